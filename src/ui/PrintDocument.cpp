#include "PrintDocument.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace ui {

PrintDocument& PrintDocument::font(const QString& family, double points, bool bold)
{
    ops_.push_back({Op::Kind::Font, family, points, bold, 0});
    return *this;
}

PrintDocument& PrintDocument::text(const QString& run)
{
    ops_.push_back({Op::Kind::Text, run, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::tab(int column)
{
    ops_.push_back({Op::Kind::Tab, {}, 0, false, column});
    return *this;
}

PrintDocument& PrintDocument::endLine()
{
    ops_.push_back({Op::Kind::EndLine, {}, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::newPage()
{
    ops_.push_back({Op::Kind::NewPage, {}, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::beginHeading()
{
    ops_.push_back({Op::Kind::HeadingBegin, {}, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::endHeading()
{
    ops_.push_back({Op::Kind::HeadingEnd, {}, 0, false, 0});
    return *this;
}

PrintDocument& PrintDocument::pageLines(int lines)
{
    ops_.push_back({Op::Kind::PageLines, {}, 0, false, std::max(lines, 0)});
    return *this;
}

QStringList PrintDocument::asText() const
{
    QStringList lines;
    QString current;
    qsizetype width = 0; // characters of printed text on the current line
    bool open = false;
    size_t headingFrom = 0, headingTo = 0; // the heading's ops
    int limit = 0;                         // lines a page holds below the heading
    int below = 0;                         // lines below the heading on this page
    bool due = false;                      // an explicit page break waits for the next line
    bool replaying = false;

    auto closeLine = [&] {
        lines.append(current);
        current.clear();
        width = 0;
        open = false;
        if (!replaying)
            ++below;
    };
    std::function<void(size_t)> apply;
    auto breakPage = [&] {
        lines.append(QStringLiteral("<new page>"));
        due = false;
        // A font switch already made for the next line stays with it, below the heading.
        const QString pending = std::exchange(current, {});
        replaying = true;
        for (size_t i = headingFrom; i < headingTo; ++i)
            apply(i);
        replaying = false;
        current = pending;
        below = 0;
    };
    // Whether the next line goes on a new page.
    auto pageFull = [&] { return !replaying && (due || (limit > 0 && below >= limit)); };
    auto startLine = [&] {
        if (open)
            return;
        if (pageFull())
            breakPage();
        open = true;
    };
    apply = [&](size_t index) {
        const Op& op = ops_[index];
        switch (op.kind) {
        case Op::Kind::Font:
            current += QStringLiteral("{%1 %2%3}").arg(op.text).arg(op.size).arg(op.bold ? " bold" : "");
            break;
        case Op::Kind::Text:
            startLine();
            current += op.text;
            width += op.text.size();
            break;
        case Op::Kind::Tab:
            startLine();
            if (width > op.column) {
                current += QLatin1Char(' ');
                ++width;
            } else {
                current += QString(op.column - width, u' ');
                width = op.column;
            }
            break;
        case Op::Kind::EndLine:
            if (!open && !due && pageFull())
                break; // an empty line at the foot of a full page
            startLine();
            closeLine();
            break;
        case Op::Kind::NewPage:
            if (open)
                closeLine();
            due = true;
            break;
        case Op::Kind::HeadingBegin:
            if (!replaying)
                headingFrom = headingTo = index + 1;
            break;
        case Op::Kind::HeadingEnd:
            if (!replaying) {
                headingTo = index;
                below = 0;
            }
            break;
        case Op::Kind::PageLines:
            limit = op.column;
            break;
        }
    };
    for (size_t i = 0; i < ops_.size(); ++i)
        apply(i);
    if (open || !current.isEmpty())
        lines.append(current);
    return lines;
}

} // namespace ui
