#include "pantguide.h"

#include "ui_pantguide.h"

#include <QFile>
#include <QTextFrame>
#include <QTextTable>

namespace help {

pantguide::pantguide(QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside)
    , form_(std::make_unique<Ui::pantguide>())
{
    form_->setupUi(this);
    QFile guide(QStringLiteral(":/help/guide.md"));
    if (guide.open(QIODevice::ReadOnly))
        form_->guidetxt->setMarkdown(QString::fromUtf8(guide.readAll()));
    // Tables from Markdown come with double borders and no room in the cells.
    for (QTextFrame* frame : form_->guidetxt->document()->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setCellPadding(3);
            format.setCellSpacing(0);
            table->setFormat(format);
        }
    }
    connect(form_->closecmd, &QPushButton::clicked, this, &QDialog::reject);
}

pantguide::~pantguide() = default;

void pantguide::setNotice(const QString& notice)
{
    form_->noticelbl->setText(notice);
    form_->noticelbl->setVisible(!notice.isEmpty());
}

} // namespace help
