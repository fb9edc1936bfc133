#include "ui/QtPrinter.h"
#include "log/LogPrintout.h"
#include "print/PrintSettingsRules.h"
#include "print/ProductListPrintout.h"
#include "print/ShoppingListPrintout.h"
#include "print/UnitPrices.h"

#include <QFontMetricsF>
#include <QPrinter>

#include "support/Fixtures.h"

using Runs = std::vector<ui::QtPrinter::PlacedRun>;

namespace {

// Where the printer puts the runs of a document on A4, the narrowest of the common papers.
class Paper
{
public:
    explicit Paper(const ui::PrintDocument& document)
    {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageSize(QPageSize(QPageSize::A4));
        ui::QtPrinter::prepare(printer_, document);
        runs = ui::QtPrinter::layOut(document, printer_);
    }

    int pages() const { return runs.empty() ? 0 : runs.back().page + 1; }
    // Runs whose end passes the right margin (drawn there, they would be cut).
    QStringList pastTheMargin() const
    {
        QStringList past;
        for (const auto& run : runs) {
            if (run.at.x() + run.width > printer_.width() + 0.5)
                past.append(run.text);
        }
        return past;
    }
    // The words of every run, in order.
    QStringList words() const
    {
        QStringList all;
        for (const auto& run : runs)
            all += run.text.split(u' ', Qt::SkipEmptyParts);
        return all;
    }
    double width() const { return printer_.width(); }

    Runs runs;

private:
    QPrinter printer_{QPrinter::HighResolution};
};

QStringList wordsOf(const QString& text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

bool containsInOrder(const QStringList& all, const QStringList& part)
{
    for (qsizetype at = all.indexOf(part.value(0)); at >= 0; at = all.indexOf(part.value(0), at + 1)) {
        if (all.mid(at, part.size()) == part)
            return true;
    }
    return false;
}

} // namespace

TEST(QtPrinterLayout, LogEntriesKeepToOneLineCommentsGoOnBelowAndEveryPageHasTheHeading)
{
    QString comment;
    for (int i = 0; comment.size() < 100; ++i)
        comment += QStringLiteral("word%1 ").arg(i);
    comment = comment.left(100).trimmed();
    const QStringList lists = {"grocery", "costco", "Saturday farmers market stall"};
    const std::pair<int, int> cases[] = {{41, 2}, {10000, 250}}; // entries, pages
    for (const auto& [count, pages] : cases) {
        std::vector<data::LogRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(logEntry("12-05-26", ".75", "145.50", lists[i % 3], i == 4 ? comment : "weekly"));
        const Paper paper(shoplog::logPrintout(records, QDate(2026, 12, 6), {"1.00", "2.00", ".50", "1.00"}));
        EXPECT_EQ(paper.pages(), pages) << count;
        EXPECT_EQ(paper.pastTheMargin(), QStringList());

        std::vector<int> headings(size_t(pages), 0);
        int entries = 0;
        for (size_t i = 0; i < paper.runs.size(); ++i) {
            const auto& run = paper.runs[i];
            if (run.text == "Pantrix Shopping List")
                ++headings[size_t(run.page)];
            if (run.text == "12-05-26") {
                // The list name, the date, the figures and the comment share a line.
                ++entries;
                ASSERT_TRUE(i >= 1 && i + 3 < paper.runs.size());
                for (const size_t j : {i - 1, i + 1, i + 2, i + 3})
                    EXPECT_EQ(paper.runs[j].at.y(), run.at.y()) << paper.runs[j].text.toStdString();
            }
        }
        EXPECT_EQ(entries, count);
        EXPECT_EQ(headings, std::vector<int>(size_t(pages), 1));
        if (count == 41) {
            EXPECT_TRUE(containsInOrder(paper.words(), wordsOf(comment)));
            // Its next line starts under the comment column.
            const auto first = std::find_if(paper.runs.begin(), paper.runs.end(),
                                            [](const auto& run) { return run.text.startsWith("word0 "); });
            ASSERT_NE(first, paper.runs.end());
            EXPECT_EQ((first + 1)->at.x(), first->at.x());
            EXPECT_GT((first + 1)->at.y(), first->at.y());
        }
    }
}

TEST(QtPrinterLayout, ShoppingListsAtLargeSizesAreWholeWithinTheMargins)
{
    print::ShoppingPrintout in;
    in.items = {
        listItem("Extra large family size laundry detergent", " 19.99", "1", "09.00 Household Cleaning", "12.5"),
        listItem("Milk", " 2", "2", "01.05 Produce and greens")};
    in.rows = {1, 2};
    in.totalText = "40.00";
    in.date = QDate(2026, 12, 5);
    in.comments = {QString(6, 'x') + " remember the bags and the bottles for the deposit machine", "Cash only", ""};
    in.notes = true;
    in.noteLines = {"Pick up the parcel at the post office on the way home"};
    const print::UnitPrices prices(bytesOf(std::vector{product("Milk", "1.05")}));
    for (const QString size : {"14", "18"}) {
        for (const bool byCategory : {false, true}) {
            in.choices = {.fontSize = size,
                          .byCategory = byCategory,
                          .price = true,
                          .headers = true,
                          .indent = true,
                          .indentText = "99"};
            const Paper paper(print::buildShoppingListPrintout(in, prices));
            EXPECT_EQ(paper.pastTheMargin(), QStringList()) << size.toStdString() << byCategory;
            const QStringList words = paper.words();
            for (const QString& whole :
                 {QString("Household Cleaning"), QString("Produce and greens"), QString("(coupon 12.50)"),
                  QString("bottles for the deposit machine"), QString("on the way home")})
                EXPECT_TRUE(containsInOrder(words, wordsOf(byCategory ? whole.toUpper() : whole)) ||
                            containsInOrder(words, wordsOf(whole)))
                    << whole.toStdString() << size.toStdString() << byCategory;
        }
    }
}

TEST(QtPrinterLayout, ProductListPagesAndTheLargestIndentLeaveFortyColumns)
{
    const QDateTime now(QDate(2026, 12, 5), QTime(9, 5, 7));
    std::vector<data::ProductRecord> products(47, product("Bread", "1.25", "Bakery"));
    for (const auto& [count, pages] : {std::pair{46, 1}, std::pair{47, 2}}) {
        const Paper paper(print::buildProductListPrintout({products.begin(), products.begin() + count},
                                                          model::CategoryFilter::all(), now));
        EXPECT_EQ(paper.pages(), pages) << count;
        EXPECT_EQ(std::count_if(paper.runs.begin(), paper.runs.end(),
                                [](const auto& run) { return run.text == "Category: All"; }),
                  pages);
    }

    for (const double size : {8, 10, 12, 14, 18}) {
        const int indent = print::largestIndent(size);
        ui::PrintDocument doc;
        // The fortieth character begins at column indent + 39.
        doc.font(print::kItemFont, size).tab(1).text("a").endLine().tab(indent + 39).text("n");
        const Paper paper(doc);
        ASSERT_EQ(paper.runs.size(), 2u);
        const double column = paper.runs[0].at.x();
        EXPECT_LE((indent + 40) * column, paper.width()) << size;
        EXPECT_NEAR(paper.runs[1].at.x(), (indent + 39) * column, 1) << size;
        EXPECT_EQ(paper.pastTheMargin(), QStringList()) << size;
        if (indent < 99) {
            EXPECT_GT((indent + 41) * column, paper.width()) << size << " no room left unused";
        }
    }
}

// Runs are measured from the font's glyphs and kerning pairs; the widths must be the ones the
// text shaper gives, or columns and line breaks move. Text outside the table is shaped.
TEST(QtPrinterLayout, RunsMeasureAsTheTextShaperMeasuresThem)
{
    const QStringList texts = {"AVAVAV WAX T.V.",      "To Ya Wa, Jr.",  "Café au lait ñandú Łódź",
                               "Crème ™ – “Deluxe” ‰", "Tea 日本 green", "  12.49   "};
    ui::PrintDocument doc;
    for (const bool bold : {false, true}) {
        for (const double size : {8.0, 18.0}) {
            doc.font(print::kItemFont, size, bold);
            for (const QString& text : texts)
                doc.text(text).endLine();
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const Runs runs = ui::QtPrinter::layOut(doc, printer);
    ASSERT_EQ(runs.size(), size_t(4 * texts.size()));
    for (const auto& run : runs)
        EXPECT_NEAR(run.width, QFontMetricsF(run.font, &printer).horizontalAdvance(run.text), 0.5)
            << run.text.toStdString() << run.font.pointSizeF() << run.font.bold();
}
