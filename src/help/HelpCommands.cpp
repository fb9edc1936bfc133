#include "HelpCommands.h"

#include "Companion.h"
#include "model/ProgramInfo.h"
#include "pantabt.h"
#include "pantguide.h"
#include "panthelp.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"

#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace help {

namespace {

const QString kHelpFile = QStringLiteral("pantrix.hlp");

// Shows a window beside the main window and brings it to the front.
void present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

HelpCommands::HelpCommands(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* window)
    : QObject(window)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , window_(window)
{
}

HelpCommands::~HelpCommands()
{
    delete help_.data();
    delete about_.data();
    delete guide_.data();
}

panthelp* HelpCommands::help() const
{
    return help_;
}

pantabt* HelpCommands::aboutWindow() const
{
    return about_;
}

pantguide* HelpCommands::guide() const
{
    return guide_;
}

void HelpCommands::programHelp()
{
    const QFileInfo file(kHelpFile);
    if (file.isFile() && desktop_.openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        return;
    if (!guide_)
        guide_ = new pantguide(window_);
    present(guide_);
}

void HelpCommands::openHelp(HelpSection section)
{
    delete help_.data();
    help_ = new panthelp(section, window_);
    connect(help_, &panthelp::printRequested, this, &HelpCommands::printHelp);
    present(help_);
}

void HelpCommands::printHelp(const QStringList& rows)
{
    ui::printDocument(printer_, dialogs_, desktop_, helpPrintout(rows));
}

void HelpCommands::about()
{
    delete about_.data();
    about_ = new pantabt(desktop_, window_);
    present(about_);
}

void HelpCommands::hideAbout()
{
    if (about_)
        about_->hide();
}

void HelpCommands::meals()
{
    if (companionInstalled()) {
        if (!desktop_.startProgram(kCompanionProgram))
            dialogs_.tell(QStringLiteral("%1 could not be started.").arg(kCompanionProgram), ui::Title::application(),
                          ui::Icon::Exclamation);
        return;
    }
    const ui::Answer answer =
        dialogs_.ask(QStringLiteral("You have not installed the optional DISHOMAT feature.\r\n\r\n"
                                    "Would you like to do that now?"),
                     ui::Title::none(), ui::Buttons::YesNo, ui::Icon::None);
    if (answer == ui::Answer::Yes)
        openCompanionWebsite();
}

void HelpCommands::openCompanionWebsite()
{
    desktop_.openUrl(QUrl(model::kCompanionWebsite));
}

} // namespace help
