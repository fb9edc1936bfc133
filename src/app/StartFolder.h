#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks of a start, and where the program is to keep its files.
struct StartPlan
{
    // The folder to work in; empty: the folder the program was started in.
    QString folder;
    // A shopping list named on the command line, as a full path; empty: none. It is opened
    // as File > Open opens a chosen one, with the same checks.
    QString store;
    // Help or version text asked for; the program prints it and ends.
    QString answer;
    // A command line that cannot be followed; the program says so and ends.
    QString error;

    bool ends() const { return !answer.isEmpty() || !error.isEmpty(); }
};

// The environment variable that moves the folder used when started from the desktop menu.
inline const QString kFolderVariable = QStringLiteral("PANTRIX_DIR");

// Reads the program's arguments (the first one is the program itself), before the window
// system is started, so that everything here is answered without a display:
//   --folder DIR  work in DIR (relative to the current folder);
//   --desktop     work in PANTRIX_DIR when it is set (relative to the home folder), otherwise in
//                 ~/Pantrix; never in the home folder itself, where the data files would be lost
//                 among the user's own;
//   nothing       work in the current folder;
//   LIST          open that .lst file. Without --folder or --desktop the program works in the
//                 list's folder, where its products (its own .dat or grocery.dat) are; a name
//                 that is not there or not a list leaves the folder to the rules above.
// --folder wins over --desktop. The window system's own options (-platform, -display,
// -session, -style, ...) are passed over. Help and version are answered even when other
// arguments are wrong.
StartPlan planStart(const QStringList& arguments, const QString& folderVariable, const QString& home);

// Makes the folder (creating it when missing) the working folder; an empty folder keeps the
// current one. Returns what went wrong, or an empty text.
QString enterWorkingFolder(const QString& folder);

} // namespace app
