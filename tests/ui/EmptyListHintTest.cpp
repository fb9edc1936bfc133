#include "ui/EmptyListHint.h"

#include <QImage>
#include <QListView>
#include <QStringListModel>

#include <gtest/gtest.h>

namespace {

QImage shot(QListView& view)
{
    view.viewport()->repaint();
    return view.viewport()->grab().toImage();
}

int pixelsOf(const QImage& image, QColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

TEST(EmptyListHint, PaintsInThePlaceholderColourOnlyWhileEmpty)
{
    QStringListModel model;
    QListView view;
    view.setModel(&model);
    view.resize(260, 200);
    QPalette palette = view.palette();
    palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x10, 0x10));
    view.setPalette(palette);
    view.show();
    const QImage blank = shot(view);

    bool empty = false;
    auto* hint = new ui::EmptyListHint(&view, "No products yet: press New", [&empty] { return empty; });
    EXPECT_EQ(hint->parent(), &view);
    EXPECT_EQ(shot(view), blank) << "nothing while the predicate says there is something";

    empty = true;
    const QImage hinted = shot(view);
    EXPECT_NE(hinted, blank);
    EXPECT_GT(pixelsOf(hinted, palette.color(QPalette::PlaceholderText)), 20);

    empty = false;
    model.setStringList({"Bread"});
    EXPECT_EQ(pixelsOf(shot(view), palette.color(QPalette::PlaceholderText)), 0) << "rows, no hint";
}

TEST(EmptyListHint, LongTextWrapsInsideANarrowList)
{
    QListView view;
    view.resize(120, 200);
    QPalette palette = view.palette();
    palette.setColor(QPalette::PlaceholderText, Qt::red);
    view.setPalette(palette);
    new ui::EmptyListHint(&view, "No products yet: press New, or choose Import/export", [] { return true; });
    view.show();
    const QImage image = shot(view);
    int firstRow = -1;
    int lastRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == Qt::red) {
                lastRow = y;
                if (firstRow < 0)
                    firstRow = y;
            }
        }
    }
    ASSERT_GE(firstRow, 0);
    EXPECT_GT(lastRow - firstRow, 2 * view.fontMetrics().height()) << "on several lines";
    EXPECT_LT(firstRow, image.height() / 2);
    EXPECT_GT(lastRow, image.height() / 2) << "centred";
}
