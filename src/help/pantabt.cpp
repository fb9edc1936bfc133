#include "pantabt.h"

#include "model/ProgramInfo.h"
#include "ui/Desktop.h"
#include "ui_pantabt.h"

#include <QStyle>
#include <QUrl>

namespace help {

pantabt::pantabt(ui::Desktop& desktop, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside)
    , form_(std::make_unique<Ui::pantabt>())
    , desktop_(desktop)
{
    form_->setupUi(this);
    form_->iconlbl->setPixmap(QPixmap(QStringLiteral(":/icons/pantrix-64.png")));
    QFont title = form_->Label1_0->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    form_->Label1_0->setFont(title);
    form_->Label1_0->setText(tr("Pantrix Shopping List Utility"));
    form_->Label1_3->setText(tr(" Version %1").arg(model::kVersion));

    // The link shows where it leads, without the scheme.
    const QUrl website(model::kWebsite);
    QString shown = website.toString(QUrl::RemoveScheme).mid(2);
    if (shown.endsWith(u'/'))
        shown.chop(1);
    form_->FreeLink1->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(website.toString(), shown.toHtmlEscaped()));
    form_->SSCommand1->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));

    connect(form_->FreeLink1, &QLabel::linkActivated, this, &pantabt::openWebsite);
    connect(form_->SSCommand1, &QToolButton::clicked, this, &pantabt::openWebsite);
    connect(form_->Command1, &QPushButton::clicked, this, &QDialog::reject);
}

pantabt::~pantabt() = default;

void pantabt::openWebsite()
{
    desktop_.openUrl(QUrl(model::kWebsite));
}

} // namespace help
