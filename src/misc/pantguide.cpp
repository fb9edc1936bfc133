#include "pantguide.h"

#include "ui_pantguide.h"

#include <QFile>

namespace misc {

pantguide::pantguide(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , form_(std::make_unique<Ui::pantguide>())
{
    form_->setupUi(this);
    QFile guide(QStringLiteral(":/help/guide.md"));
    if (guide.open(QIODevice::ReadOnly))
        form_->guidetxt->setMarkdown(QString::fromUtf8(guide.readAll()));
    connect(form_->closecmd, &QPushButton::clicked, this, &QWidget::hide);
}

pantguide::~pantguide() = default;

} // namespace misc
