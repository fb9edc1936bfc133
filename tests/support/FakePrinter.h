#pragma once

#include "ui/Desktop.h"
#include "ui/Printer.h"

#include <QUrl>

#include <functional>

#include <vector>

// Keeps every document it is asked to print; a test may make the next print fail, be
// refused, or pretend no printer is installed. It tells the progress once per page of
// `pages`, calling onPage first, so that a test can act while a printout is under way.
class FakePrinter : public ui::Printer
{
public:
    ui::PrintOutcome print(const ui::PrintDocument& document, const ui::PrintProgress& progress = {}) override
    {
        printed.push_back(document);
        return run(progress, std::exchange(next, {}));
    }
    ui::PrintOutcome printToPdf(const ui::PrintDocument& document, const ui::PrintProgress& progress = {}) override
    {
        printed.push_back(document);
        ++pdfs;
        return run(progress, std::exchange(nextPdf, {}));
    }
    // The last document as lines (see PrintDocument::asText).
    QStringList lastText() const { return printed.empty() ? QStringList() : printed.back().asText(); }

    std::vector<ui::PrintDocument> printed;
    ui::PrintOutcome next;    // what the next print answers
    ui::PrintOutcome nextPdf; // what the next PDF asked for answers
    int pdfs = 0;             // PDFs asked for
    int pages = 3;            // pages each printout goes through
    std::function<void(int page)> onPage;

private:
    ui::PrintOutcome run(const ui::PrintProgress& progress, ui::PrintOutcome outcome)
    {
        for (int page = 1; page <= pages && progress; ++page) {
            if (onPage)
                onPage(page);
            if (!progress(page, pages))
                return cancelledOutcome();
        }
        return outcome;
    }
    static ui::PrintOutcome cancelledOutcome()
    {
        ui::PrintOutcome stopped;
        stopped.cancelled = true;
        return stopped;
    }
};

// Records what the program asked of the desktop; each request answers `works`.
class FakeDesktop : public ui::Desktop
{
public:
    bool openUrl(const QUrl& url) override
    {
        opened.push_back(url);
        return works;
    }
    bool startProgram(const QString& program) override
    {
        started.push_back(program);
        return works;
    }

    std::vector<QUrl> opened;
    std::vector<QString> started;
    bool works = true;
};
