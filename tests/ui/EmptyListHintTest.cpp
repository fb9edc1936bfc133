#include "ui/EmptyListHint.h"

#include <QImage>
#include <QListView>
#include <QStringListModel>

#include "support/Fixtures.h"

namespace {

// The rows of the viewport that hold pixels of the colour.
std::pair<int, int> rowsOf(QListView& view, QColor color)
{
    view.viewport()->repaint();
    const QImage image = view.viewport()->grab().toImage();
    std::pair rows{-1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                rows = {rows.first < 0 ? y : rows.first, y};
    return rows;
}

} // namespace

TEST(EmptyListHint, PaintsWrappedAndCentredInThePlaceholderColourOnlyWhileEmpty)
{
    QStringListModel model;
    QListView view;
    view.setModel(&model);
    view.resize(120, 200);
    QPalette palette = view.palette();
    palette.setColor(QPalette::PlaceholderText, Qt::red);
    view.setPalette(palette);
    bool empty = false;
    new ui::EmptyListHint(&view, "No products yet: press New, or choose Import/export", [&empty] { return empty; });
    view.show();
    EXPECT_EQ(rowsOf(view, Qt::red).first, -1);

    empty = true;
    const auto [top, bottom] = rowsOf(view, Qt::red);
    EXPECT_GT(bottom - top, 2 * view.fontMetrics().height()) << "on several lines";
    EXPECT_TRUE(top < 100 && bottom > 100) << "centred";

    empty = false;
    model.setStringList({"Bread"});
    EXPECT_EQ(rowsOf(view, Qt::red).first, -1) << "rows, no hint";
}
