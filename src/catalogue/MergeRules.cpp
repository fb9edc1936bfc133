#include "MergeRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace catalogue {

using data::ProductRecord;

namespace {

constexpr qsizetype kLength = ProductRecord::Length;
// Progress is told this often; often enough for a progress bar, rare enough to cost nothing.
constexpr qsizetype kProgressStep = 4096;

// Names trimmed and upper-cased, kept back to back in one buffer so that a set can hold
// views of them without a string of its own for each.
class NameKeys
{
public:
    explicit NameKeys(qsizetype records)
        : buffer_(size_t(records) * size_t(ProductRecord::item.width), '\0')
    {
    }

    std::string_view of(const char* record)
    {
        const auto& upper = data::cp1252::upperCaseBytes();
        const auto [begin, end] = ProductRecord::item.trimmedBytes(record);
        char* key = buffer_.data() + used_;
        for (const char* c = begin; c < end; ++c)
            buffer_[used_++] = upper[static_cast<unsigned char>(*c)];
        return {key, size_t(end - begin)};
    }

private:
    std::string buffer_;
    size_t used_ = 0;
};

// Moved rather than copied: the merge file is of no use where it was any more.
data::FileResult keepAsConsumed(const QString& mergeFile)
{
    const data::FileResult removed = data::deleteFile(kConsumedMergeFile);
    if (!removed)
        return removed;
    QFile file(mergeFile);
    if (!file.rename(kConsumedMergeFile))
        return data::FileResult::failure(QStringLiteral("Moving"), mergeFile, file.errorString());
    return data::FileResult::success();
}

} // namespace

QByteArray newProductsFromMerge(const QByteArray& products, const QByteArray& merge, const Progress& progress)
{
    const qsizetype known = products.size() / kLength;
    const qsizetype total = merge.size() / kLength;
    NameKeys keys(known + total);
    std::unordered_set<std::string_view> names;
    names.reserve(size_t(known + total));
    for (qsizetype i = 0; i < known; ++i)
        names.insert(keys.of(products.constData() + i * kLength));

    QByteArray added;
    added.reserve(total * kLength);
    for (qsizetype i = 0; i < total; ++i) {
        if (progress && i % kProgressStep == 0)
            progress(i, total);
        const char* incoming = merge.constData() + i * kLength;
        if (!names.insert(keys.of(incoming)).second)
            continue;
        ProductRecord record;
        for (data::FixedField field : {ProductRecord::item, ProductRecord::price, ProductRecord::fat,
                                       ProductRecord::carb, ProductRecord::spare2, ProductRecord::category})
            std::memcpy(record.bytes.data() + field.offset, incoming + field.offset, size_t(field.width));
        added.append(record.bytes.data(), kLength);
    }
    if (progress)
        progress(total, total);
    return added;
}

AppendResult appendNewProducts(data::RecordFile<ProductRecord>& products, const QByteArray& incoming,
                               const Progress& progress)
{
    AppendResult outcome;
    const QByteArray added = newProductsFromMerge(products.readAllBytes(), incoming, progress);
    // One write; the file layer takes back a write that is cut short, so the file keeps
    // either all the new records or none of them.
    if (!added.isEmpty()) {
        outcome.result = products.appendBytes(added);
        if (!outcome.result)
            return outcome;
    }
    outcome.added = int(added.size() / kLength);
    return outcome;
}

ImportResult importMergeFile(data::RecordFile<ProductRecord>& products, const QString& mergeFile,
                             const Progress& progress)
{
    ImportResult outcome;
    data::FileBytes file = data::readFileBytes(mergeFile);
    if (!file.result) {
        outcome.result = file.result;
        return outcome;
    }
    QByteArray merge = std::move(file.bytes);
    merge.truncate(merge.size() - merge.size() % kLength);
    if (merge.isEmpty())
        return outcome;
    outcome.found = true;

    const AppendResult appended = appendNewProducts(products, merge, progress);
    outcome.result = appended.result;
    if (!outcome.result)
        return outcome;
    outcome.imported = appended.added;
    outcome.result = keepAsConsumed(mergeFile);
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
