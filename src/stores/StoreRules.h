#pragma once

#include <QString>

// Checks and names for opening and creating store files.
namespace stores {

// Whether a file chosen to open as a store ends in the letters "lst" (case ignored).
bool hasListExtension(const QString& fileName);

// Why the typed name cannot name a new store file in the working folder, or empty when it
// can: no folder separators, no "..", no character that file names or the code page of
// the data files cannot hold (a store's name is remembered in namefile.dat).
QString storeNameProblem(const QString& trimmedName);

// The new store's list file: the name with ".lst" ("My.Store" → "My.Store.lst").
QString newListFile(const QString& trimmedName);
// The product file of a new store with products of its own: the list file up to its
// first "." with ".dat" ("My.Store.lst" → "My.dat").
QString newProductFile(const QString& listFile);

// Whether a list file already holds a whole record; looks without creating the file.
bool listHoldsRecords(const QString& listFile);

} // namespace stores
