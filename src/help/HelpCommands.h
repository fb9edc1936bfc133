#pragma once

#include "HelpTexts.h"

#include <QObject>
#include <QPointer>

class QWidget;
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace help {

class panthelp;
class pantabt;
class pantguide;

// The main window's help and small extras: Program help, the topic help of the Import/export
// and Custom lists menus, About, the companion program and its web page.
// Each public method is the whole action of one control.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    // window: the main window, parent of the small windows.
    HelpCommands(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* window);
    ~HelpCommands() override;

    // Shows pantrix.hlp from the working folder when there is one and the desktop can open it;
    // otherwise the guide that comes with the program, which then says when pantrix.hlp was
    // there but could not be opened.
    void programHelp();
    // Shows the help on merge files, or on custom lists, in a fresh "Help" window.
    void mergeHelp() { openHelp(HelpSection::MergeFiles); }
    void customListHelp() { openHelp(HelpSection::CustomLists); }
    // Shows a fresh "About Pantrix" window in place of any earlier one.
    void about();
    // Hides the about window; the main window calls this when it becomes active again.
    void hideAbout();
    // Starts the companion program, or offers its web page when it is not installed.
    void meals();
    void openCompanionWebsite();

    // The windows while they exist (hidden, not destroyed, when closed).
    panthelp* help() const;
    pantabt* aboutWindow() const;
    pantguide* guide() const;

private:
    void openHelp(HelpSection section);
    void printHelp(const QStringList& rows);

    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    QWidget* window_;
    // Guarded: the main window deletes them with itself, whichever of us goes first.
    QPointer<panthelp> help_;
    QPointer<pantabt> about_;
    QPointer<pantguide> guide_;
};

} // namespace help
