#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace data {
template<class T> class RecordFile;
}

// Carrying products from one installation's product file to another's through a merge file.
namespace catalogue {

inline const QString kConsumedMergeFile = QStringLiteral("grocery.old");

// Told now and then how far a long piece of work has come: done out of total.
using Progress = std::function<void(qsizetype done, qsizetype total)>;

// The merge records that are new here, built as they are added to the product file (name,
// price, diet marks, spare2 and category; spare1 unwritten). Names are compared trimmed and
// ignoring case; a name already in the product file, or met earlier in the merge file, is
// skipped. Existing products are never changed.
// Takes and returns the bytes of whole records: the product file's, the merge file's and
// those to append.
QByteArray newProductsFromMerge(const QByteArray& products, const QByteArray& merge, const Progress& progress = {});

struct AppendResult
{
    int added = 0;
    data::FileResult result; // a failure leaves the product file as it was
};

// Appends to the open product file the records of incoming whose names it does not know yet,
// as newProductsFromMerge picks and builds them, in one write: all of them or none.
AppendResult appendNewProducts(data::RecordFile<data::ProductRecord>& products, const QByteArray& incoming,
                               const Progress& progress = {});

struct ImportResult
{
    bool found = false; // the merge file held at least one record
    int imported = 0;
    data::FileResult result; // a failure leaves the product file and the merge file as they were
};

// Imports the merge file into the open product file: the new products are appended, then
// the merge file is moved to grocery.old. A missing or empty merge file is not created, and
// nothing happens.
ImportResult importMergeFile(data::RecordFile<data::ProductRecord>& products, const QString& mergeFile,
                             const Progress& progress = {});

// Where removable drives are mounted for the current user: /media/$USER and /run/media/$USER.
QStringList removableMediaRoots();
// The first of the mount points that lies directly in one of the roots, in the roots'
// order and then by name; empty when there is none.
QString firstRemovableVolume(const QStringList& roots, QStringList mountPoints);
// The first removable volume mounted now.
QString mountedRemovableVolume();

} // namespace catalogue
