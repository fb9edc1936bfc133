#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Bringing the prices and categories that custom lists copied from products up to date.
namespace customlists {

inline const QString kRefreshBackup = QStringLiteral("PantClean.bak");

// Gives every record whose product name matches a product (both trimmed of blanks, case
// ignored) that product's price and category as stored; the first product of a name wins.
// Records without a match stay as they are. Returns how many records were given values.
int refreshRecords(std::vector<data::CustomListRecord>& records, const std::vector<data::ProductRecord>& products);

// " 12 items scanned and updated."
QString refreshMessage(int updated);

struct RefreshOutcome
{
    data::FileResult result;
    int updated = 0;
};
// Copies the custom list file to PantClean.bak, then rewrites it with the refreshed
// records in their places (a partial record at the end is kept as it was). Nothing is
// changed when the backup fails.
RefreshOutcome refreshFile(const QString& customFile, const std::vector<data::ProductRecord>& products);

} // namespace customlists
