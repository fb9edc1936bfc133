#include "panthelp.h"

#include "ui_panthelp.h"

namespace help {

panthelp::panthelp(HelpSection section, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside)
    , form_(std::make_unique<Ui::panthelp>())
{
    form_->setupUi(this);
    if (const double points = helpFontSize(section); points > 0) {
        QFont font = form_->List1->font();
        font.setPointSizeF(points);
        form_->List1->setFont(font);
    }
    form_->List1->clear();
    form_->List1->addItems(helpRows(section));

    connect(form_->printcmd, &QPushButton::clicked, this, [this] { emit printRequested(rows()); });
    connect(form_->quitcmd, &QPushButton::clicked, this, &QDialog::reject);
}

panthelp::~panthelp() = default;

QStringList panthelp::rows() const
{
    QStringList rows;
    for (int i = 0; i < form_->List1->count(); ++i)
        rows.append(form_->List1->item(i)->text());
    return rows;
}

} // namespace help
