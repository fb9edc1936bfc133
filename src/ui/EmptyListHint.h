#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAbstractItemView;

namespace ui {

// A short grey text inside an item view while it has nothing to show, telling the user how
// to fill it. Whether it shows is asked at every paint, so it follows the data without
// being told; call refresh() when the answer changes without the view repainting itself.
class EmptyListHint : public QObject
{
    Q_OBJECT

public:
    using Predicate = std::function<bool()>;

    // Installs itself on the view's viewport; the view owns it.
    EmptyListHint(QAbstractItemView* view, const QString& text, Predicate isEmpty);

    const QString& text() const { return text_; }
    bool isShown() const { return isEmpty_ && isEmpty_(); }
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QWidget* viewport) const;

    QAbstractItemView* view_;
    QString text_;
    Predicate isEmpty_;
};

} // namespace ui
