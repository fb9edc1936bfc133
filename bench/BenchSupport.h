#pragma once

#include "data/FileResult.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"

#include "data/Records.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// Benchmarks make their own files; one that cannot be made ends the run.
inline void mustWork(const data::FileResult& result)
{
    if (!result)
        qFatal("%s", qPrintable(result.error));
}

// Answers every box with OK, so nothing waits for a user.
class SilentDialogs : public ui::Dialogs
{
public:
    ui::Answer message(const ui::Message&) override { return ui::Answer::Ok; }
    QString input(const QString&, const ui::Title&, const QString&) override { return {}; }
    QString openFile(const QString&, const QString&) override { return {}; }
};

// Says yes to every question, so a command runs to its end.
class AgreeingDialogs : public SilentDialogs
{
public:
    ui::Answer message(const ui::Message& m) override
    {
        return m.buttons == ui::Buttons::YesNo || m.buttons == ui::Buttons::YesNoCancel ? ui::Answer::Yes
                                                                                        : ui::Answer::Ok;
    }
};

// Windows under measurement print nothing and open nothing.
struct NoPrinter : ui::Printer
{
    ui::PrintOutcome print(const ui::PrintDocument&, const ui::PrintProgress& = {}) override { return {}; }
    ui::PrintOutcome printToPdf(const ui::PrintDocument&, const ui::PrintProgress& = {}) override { return {}; }
};
struct NoDesktop : ui::Desktop
{
    bool openUrl(const QUrl&) override { return false; }
    bool startProgram(const QString&) override { return false; }
};
inline NoPrinter& noPrinter()
{
    static NoPrinter printer;
    return printer;
}
inline NoDesktop& noDesktop()
{
    static NoDesktop desktop;
    return desktop;
}

} // namespace bench

namespace bench {

// A working folder of its own for the whole benchmark run.
QTemporaryDir& workFolder();

// A product file of n products with names drawn from a grocery vocabulary, a few dozen
// aisle-numbered categories and some diet marks; the same n always gives the same file.
QByteArray productFileBytes(int n);
void writeFile(const QString& name, const QByteArray& bytes);
// A merge file of n records for the product file of n products: every other record is a
// product known here, its name in other letter case; the rest are new.
QByteArray mergeFileBytes(int n);
// n custom list records naming products of the file (one in ten matches none), in lists of 25.
QByteArray customListBytes(const std::vector<data::ProductRecord>& products, int n);
// n log entries over the given years up to 2026, in random order, a few dozen lists, some comments.
std::vector<data::LogRecord> logRecords(int n, int years);
// The records of n entries over ten years.
QByteArray logFileBytes(int n);
// A shopping list of n items drawn from the products.
QByteArray shoppingListBytes(const std::vector<data::ProductRecord>& products, int n);

// Wall time of running a command to its end, in seconds (for the grep floor).
double runCommand(const std::vector<std::string>& argv);

// Collects every benchmark's time per iteration, so ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Seconds per iteration of a finished benchmark, or 0 when it did not run; "name#key"
    // for a time the benchmark reported as counter key, in milliseconds ending "_ms".
    double seconds(const std::string& name) const;
    // A counter other than a time, "name#key", as the benchmark set it.
    double value(const std::string& name) const { return seconds(name); }
    void printRatio(const std::string& label, const std::string& slow, const std::string& fast) const;

private:
    std::map<std::string, double> seconds_;
};

// Ratios each benchmark file wants printed once everything has run.
using RatioPrinter = std::function<void(const RatioReporter&)>;
int registerRatios(RatioPrinter printer);
const std::vector<RatioPrinter>& ratioPrinters();

} // namespace bench
