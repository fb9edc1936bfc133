#pragma once

#include <QString>

// Checks and names for opening and creating store files.
namespace stores {

// Whether a file chosen to open as a store ends in the letters "lst" (case ignored).
bool hasListExtension(const QString& fileName);

// Why the typed name cannot name a new store file in the working folder, or empty when it
// can: not one of the program's own names (model::isOwnFileName), not starting with "." (a
// hidden file), no folder separators, no "..", no character that file names or the code page
// of the data files cannot hold (a store's name is remembered in namefile.dat); each says
// which it is. The window shows the text and stays open.
QString storeNameProblem(const QString& trimmedName);

// Why a .lst chosen in the file chooser cannot be opened as a store, or empty when it can:
// one of the program's own names would make its products another of the program's files
// (pantrecp.lst would read the custom lists as products). grocery.lst itself is the default
// store and is always fine.
QString openedListProblem(const QString& chosenPath);

// The new store's list file: the name with ".lst" ("My.Store" → "My.Store.lst").
QString newListFile(const QString& trimmedName);
// The product file of a new store with products of its own: the list file up to its
// first "." with ".dat" ("My.Store.lst" → "My.dat").
QString newProductFile(const QString& listFile);

// Whether a list file already holds a whole record; looks without creating the file.
bool listHoldsRecords(const QString& listFile);

} // namespace stores
