#pragma once

#include "data/FileResult.h"

#include <QString>
#include <QStringList>

// Names of a store's files and the file work of start-up and shut-down.
namespace model {

inline const QString kDefaultList = QStringLiteral("grocery.lst");
inline const QString kDefaultProducts = QStringLiteral("grocery.dat");
inline const QString kNameFile = QStringLiteral("namefile.dat");
inline const QString kLegacyList = QStringLiteral("pantlist.dat");
inline const QString kStartupBackup = QStringLiteral("grocery.bak");

// Whether two names lead to the same file, letter case ignored (the data files come from
// Windows, where grocery.dat and GROCERY.DAT are one file).
bool isSameFile(const QString& a, const QString& b);

// The file's name up to its first ".", without any folder: "corner" for /x/corner.lst.
// This is what captions and log entries show.
QString storeBaseName(const QString& fileName);
// The same with the folder kept, for naming sibling files. The first "." is looked for
// in the file name only, so a dot in a folder name does not cut the path.
QString storeStem(const QString& fileName);
// The product file a list file names: grocery.dat for exactly grocery.lst, otherwise
// the list's stem with ".dat" (Market.lst → Market.dat, My.Store.lst → My.dat).
QString ownProductFile(const QString& listFile);
// The merge file of a product file: its stem with ".mrg".
QString mergeFileFor(const QString& productFile);

// Whether a file name (no folder) is, or would make, one of the program's own files: its
// part before the first "." is grocery, pantrecp, pantlist, pantlog, pantnote, pantnotes,
// pantlpt, namefile or justincase (case ignored), or it starts with "." (a hidden file).
bool isOwnFileName(const QString& fileName);

// Why a list name read from namefile.dat is not reopened, or empty when it is: it passes
// the checks of File > Open (a .lst file, not one of the program's own files but
// grocery.lst) and names a list the user can have chosen: a bare name in the working
// folder (created empty when it is missing), or a full path, without "..", to a list file
// that is there (as the file chooser gives it). No control characters anywhere.
QString rememberedListProblem(const QString& name);

// The first thing a run does: backs grocery.dat up to grocery.bak when it holds products
// (a backup that holds them already is not written again).
// Touches no other file, so it may run on its own thread while the window fills its lists.
data::FileResult backUpProducts();
// First load of a run, before the current list is opened: carries a legacy pantlist.dat over
// to grocery.lst, and otherwise takes the list remembered in namefile.dat when
// rememberedListProblem allows it, else grocery.lst with one line saying why. Returns the
// list file to open; problems on the way are appended to errors and the start goes on.
QString prepareFirstLoad(QStringList* errors);

// How a list name is kept in namefile.dat. A list inside the working folder is kept by its
// bare name, one elsewhere by its full path, in Windows-1252, continued over further 30-byte
// records when it is longer than one record (older editions read record 1 only and never
// wrote more).
// A name with a character the code page lacks ("Łódź.lst", "/home/u/Документы/x.lst") would
// come back as another name, so it is kept differently: record 1 holds "grocery.lst",
// which is all an older edition reads, so it opens the default list rather than a file of
// a mistaken name; the records after it hold a zero byte, then the name in UTF-8 with every
// byte other than A-Z a-z 0-9 - . _ ~ / written as %XX, blank-padded to whole records. No
// plain name has a zero byte, so the two forms cannot be confused.
QByteArray rememberedListBytes(const QString& listFile);
QString rememberedListFrom(const QByteArray& bytes);
data::FileResult rememberList(const QString& listFile);

// Whether quitting offers to eliminate the store: no products, no items, not the default
// list, and the list file and the store's own product file both of length 0 (or missing).
// A file that holds bytes is never offered, even when they make no whole record.
bool storeIsEliminable(int productCount, int itemCount, const QString& listFile);
// Deletes an eliminated store: its list file, its own product file and namefile.dat. Only
// files of length 0 are deleted; a list file that holds bytes is refused with nothing
// deleted, and the shared grocery.dat is never deleted.
data::FileResult eliminateStore(const QString& listFile, const QString& productFile);

// Counts a merge file's records; one of 0 bytes (also one the count itself created) is
// deleted again, one with bytes is left as it is even when they make no whole record. Returns whether it holds records.
bool probeMergeFile(const QString& mergeFile);

} // namespace model
