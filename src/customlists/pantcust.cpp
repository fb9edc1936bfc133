#include "pantcust.h"

#include "model/SharedState.h"
#include "ui_pantcust.h"

namespace customlists {

using model::CustomListCommand;

pantcust::pantcust(QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Beside, Qt::Dialog | Qt::FramelessWindowHint)
    , form_(std::make_unique<Ui::pantcust>())
{
    form_->setupUi(this);
    setObjectName(QStringLiteral("pantcust"));
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(look);
    const std::pair<QPushButton*, CustomListCommand> buttons[] = {
        {form_->SSCommand1, CustomListCommand::Create}, {form_->SSCommand2, CustomListCommand::Add},
        {form_->SSCommand3, CustomListCommand::Remove}, {form_->SSCommand4, CustomListCommand::Preview},
        {form_->SSCommand5, CustomListCommand::Get},    {form_->SSCommand6, CustomListCommand::Delete},
        {form_->SSCommand7, CustomListCommand::Save},   {form_->SSCommand8, CustomListCommand::None},
    };
    for (const auto& [button, command] : buttons)
        connect(button, &QPushButton::clicked, this, [this, command] { emit chosen(command); });
}

pantcust::~pantcust() = default;

void pantcust::reject()
{
    emit chosen(CustomListCommand::None);
}

} // namespace customlists
