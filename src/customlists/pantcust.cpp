#include "pantcust.h"

#include "ui_pantcust.h"

#include <QKeyEvent>

namespace customlists {

pantcust::pantcust(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , form_(std::make_unique<Ui::pantcust>())
{
    form_->setupUi(this);
    setObjectName(QStringLiteral("pantcust"));
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(look);
    const QPushButton* buttons[] = {form_->SSCommand8, form_->SSCommand1, form_->SSCommand2, form_->SSCommand3,
                                    form_->SSCommand4, form_->SSCommand5, form_->SSCommand6, form_->SSCommand7};
    for (int code = 0; code < int(std::size(buttons)); ++code)
        connect(buttons[code], &QPushButton::clicked, this, [this, code] { emit chosen(code); });
}

pantcust::~pantcust() = default;

void pantcust::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit chosen(0);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace customlists
