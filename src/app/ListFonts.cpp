#include "ListFonts.h"

#include "Magnifier.h"

#include <QApplication>
#include <QFontInfo>
#include <QWidget>

namespace app {

namespace {

double pointsOf(const QFont& font)
{
    // A font given in pixels has no point size of its own; ask what it comes to.
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

double listFontSize(const QWidget* list)
{
    return pointsOf(list->font());
}

double desktopListFontSize(const QWidget* list)
{
    return pointsOf(QApplication::font(list));
}

void setListFontSize(const QList<QWidget*>& lists, double points)
{
    for (QWidget* list : lists) {
        const int height = list->height();
        QFont font = list->font();
        font.setPointSizeF(points);
        list->setFont(font);
        // A list laid out by hand (no layout to keep it) is held at the height it had.
        if (!list->parentWidget() || !list->parentWidget()->layout())
            list->resize(list->width(), height);
    }
}

void magnifyLists(const QList<QWidget*>& lists)
{
    if (lists.isEmpty())
        return;
    const double now = listFontSize(lists.front());
    const double next = nextListFontSize(now, desktopListFontSize(lists.front()));
    if (next != now)
        setListFontSize(lists, next);
}

} // namespace app
