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
} // namespace

HelpCommands::HelpCommands(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* window)
    : QObject(window)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , window_(window)
{
}

HelpCommands::~HelpCommands() = default;

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
    const bool present = file.isFile();
    if (present && desktop_.openUrl(QUrl::fromLocalFile(file.absoluteFilePath())))
        return;
    // One guide, kept with the place it was read to.
    if (!guide_)
        guide_ = new pantguide(window_);
    // A help file the desktop cannot show would otherwise leave the user wondering where it went.
    guide_->setNotice(present
                          ? tr("%1 could not be opened, so here is the guide that comes with Pantrix.").arg(kHelpFile)
                          : QString());
    ui::present(guide_);
}

void HelpCommands::openHelp(HelpSection section)
{
    ui::openFresh(help_, section, window_);
    connect(help_, &panthelp::printRequested, this, &HelpCommands::printHelp);
}

void HelpCommands::printHelp(const QStringList& rows)
{
    ui::printDocument(printer_, dialogs_, desktop_, helpPrintout(rows));
}

void HelpCommands::about()
{
    ui::openFresh(about_, desktop_, window_);
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
            dialogs_.tell(tr("%1 could not be started.").arg(kCompanionProgram), ui::Title::application(),
                          ui::Icon::Exclamation);
        return;
    }
    const ui::Answer answer = dialogs_.ask(tr("You have not installed the optional DISHOMAT feature.\r\n\r\n"
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
