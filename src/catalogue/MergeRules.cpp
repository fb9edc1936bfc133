#include "MergeRules.h"

#include "data/FileOps.h"
#include "data/RecordFile.h"

#include <QDir>
#include <QSet>
#include <QStorageInfo>

namespace catalogue {

using data::ProductRecord;

namespace {

QString nameKey(const ProductRecord& record)
{
    return record.text(ProductRecord::item).toUpper();
}

// Progress is told this often; often enough for a progress bar, rare enough to cost nothing.
constexpr qsizetype kProgressStep = 4096;

} // namespace

std::vector<ProductRecord> newProductsFromMerge(const std::vector<ProductRecord>& products,
                                                const std::vector<ProductRecord>& merge, const Progress& progress)
{
    QSet<QString> known;
    known.reserve(qsizetype(products.size() + merge.size()));
    for (const ProductRecord& product : products)
        known.insert(nameKey(product));

    std::vector<ProductRecord> added;
    const qsizetype total = qsizetype(merge.size());
    for (qsizetype i = 0; i < total; ++i) {
        if (progress && i % kProgressStep == 0)
            progress(i, total);
        const ProductRecord& incoming = merge[size_t(i)];
        const QString key = nameKey(incoming);
        if (known.contains(key))
            continue;
        known.insert(key);
        ProductRecord record;
        for (data::FixedField field : {ProductRecord::item, ProductRecord::price, ProductRecord::fat,
                                       ProductRecord::carb, ProductRecord::spare2, ProductRecord::category})
            record.copyField(field, incoming);
        added.push_back(record);
    }
    if (progress)
        progress(total, total);
    return added;
}

ImportResult importMergeFile(data::RecordFile<ProductRecord>& products, const QString& mergeFile,
                             const Progress& progress)
{
    ImportResult outcome;
    QString error;
    const std::vector<ProductRecord> merge =
        data::recordsFromBytes<ProductRecord>(data::readFileBytes(mergeFile, &error));
    if (!error.isEmpty()) {
        outcome.result = {error};
        return outcome;
    }
    if (merge.empty())
        return outcome;
    outcome.found = true;

    std::vector<ProductRecord> all = products.readAll();
    const std::vector<ProductRecord> added = newProductsFromMerge(all, merge, progress);
    if (!added.empty()) {
        // One safe rewrite: an interrupted import leaves the product file as it was.
        all.insert(all.end(), added.begin(), added.end());
        outcome.result = products.replaceAll(all);
        if (!outcome.result)
            return outcome;
    }
    outcome.imported = int(added.size());
    outcome.result = data::copyFile(mergeFile, kConsumedMergeFile);
    if (outcome.result)
        outcome.result = data::deleteFile(mergeFile);
    return outcome;
}

QStringList removableMediaRoots()
{
    const QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        return {};
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}

QString firstRemovableVolume(const QStringList& roots, QStringList mountPoints)
{
    mountPoints.sort();
    for (const QString& root : roots) {
        const QString parent = QDir::cleanPath(root);
        for (const QString& mountPoint : mountPoints) {
            const QString point = QDir::cleanPath(mountPoint);
            if (point.startsWith(parent + u'/') && !point.mid(parent.size() + 1).contains(u'/'))
                return point;
        }
    }
    return {};
}

QString mountedRemovableVolume()
{
    QStringList mountPoints;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
            mountPoints.append(volume.rootPath());
    }
    return firstRemovableVolume(removableMediaRoots(), mountPoints);
}

} // namespace catalogue
