#include "EmptyListHint.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>

namespace ui {

EmptyListHint::EmptyListHint(QAbstractItemView* view, const QString& text, Predicate isEmpty)
    : QObject(view)
    , view_(view)
    , text_(text)
    , isEmpty_(std::move(isEmpty))
{
    view_->viewport()->installEventFilter(this);
    refresh();
}

void EmptyListHint::refresh()
{
    view_->viewport()->update();
}

bool EmptyListHint::eventFilter(QObject* watched, QEvent* event)
{
    // The view paints after this (an empty view paints nothing over the text); the
    // background is already filled when the paint event arrives.
    if (event->type() == QEvent::Paint && watched == view_->viewport() && isShown())
        paint(view_->viewport());
    return QObject::eventFilter(watched, event);
}

void EmptyListHint::paint(QWidget* viewport) const
{
    QPainter painter(viewport);
    painter.setFont(view_->font());
    painter.setPen(view_->palette().color(QPalette::PlaceholderText));
    const int margin = view_->fontMetrics().height();
    painter.drawText(viewport->rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                     text_);
}

} // namespace ui
