#include "model/ProductCatalogue.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/Records.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <string_view>

namespace model {

using data::ProductRecord;

namespace {

QString decodeTrimmed(const char* record, data::FixedField field)
{
    const auto [begin, end] = field.trimmedBytes(record);
    return data::cp1252::decode(begin, end - begin);
}

} // namespace

bool ProductCatalogue::load(const QByteArray& bytes)
{
    if (bytes == bytes_)
        return false;
    bytes_ = bytes;
    const int count = int(bytes.size() / ProductRecord::Length);
    entries_.assign(size_t(count), {});
    // Products share few categories: one string per distinct category saves memory.
    QHash<QString, std::pair<QString, QString>> categories;
    for (int i = 0; i < count; ++i) {
        const char* record = bytes.constData() + qsizetype(i) * ProductRecord::Length;
        ProductEntry& e = entries_[size_t(i)];
        e.record = i + 1;
        e.name = decodeTrimmed(record, ProductRecord::item);
        const QString category = decodeTrimmed(record, ProductRecord::category);
        auto found = categories.find(category);
        if (found == categories.end())
            found = categories.insert(category, {category, category.toUpper()});
        e.category = found->first;
        e.categoryKey = found->second;
        e.fat = record[ProductRecord::fat.offset] == '1';
        e.carb = record[ProductRecord::carb.offset] == '1';
    }
    byName_.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        byName_[size_t(i)] = i;
    // QString compares UTF-16 code units, which for text decoded from the code page is
    // the character code order.
    std::stable_sort(byName_.begin(), byName_.end(),
                     [this](int a, int b) { return entries_[size_t(a)].name < entries_[size_t(b)].name; });

    const auto& lower = data::cp1252::lowerCaseBytes();
    lowerNames_.resize(qsizetype(count) * ProductRecord::item.width);
    starts_.assign(size_t(count) + 1, 0);
    char* out = lowerNames_.data();
    for (int k = 0; k < count; ++k) {
        starts_[size_t(k)] = out - lowerNames_.data();
        const auto [begin, end] =
            ProductRecord::item.trimmedBytes(bytes.constData() + qsizetype(byName_[size_t(k)]) * ProductRecord::Length);
        for (const char* c = begin; c < end; ++c)
            *out++ = lower[static_cast<unsigned char>(*c)];
    }
    starts_[size_t(count)] = out - lowerNames_.data();
    lowerNames_.truncate(starts_[size_t(count)]);
    return true;
}

std::vector<int> ProductCatalogue::namesContaining(const QString& text) const
{
    const QString lowered = text.toLower();
    QByteArray needle = data::cp1252::encode(lowered);
    // Names hold only code page characters: a text with any other character matches none.
    if (data::cp1252::decode(needle) != lowered)
        return {};
    const auto& lower = data::cp1252::lowerCaseBytes();
    for (char& c : needle)
        c = lower[static_cast<unsigned char>(c)];
    std::vector<int> found;
    // string_view::find looks for the first byte with memchr and compares from there: on
    // short needles and names it beat both QByteArrayMatcher and a Boyer-Moore-Horspool
    // searcher, whose skip tables cost more than they save here.
    const std::string_view names(lowerNames_.constData(), size_t(lowerNames_.size()));
    const std::string_view wanted(needle.constData(), size_t(needle.size()));
    size_t from = 0;
    while (from < names.size()) {
        const size_t hit = names.find(wanted, from);
        if (hit == std::string_view::npos)
            break;
        const qsizetype at = qsizetype(hit);
        const size_t k = size_t(std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin()) - 1;
        if (at + needle.size() <= starts_[k + 1]) {
            found.push_back(int(k));
            from = size_t(starts_[k + 1]); // on to the next name
        } else {
            from = hit + 1; // the hit ran into the next name
        }
    }
    return found;
}

std::vector<int> filterProducts(const ProductCatalogue& catalogue, const ProductFilter& filter)
{
    const QString search = data::trimBlanks(filter.search);
    const QString category = filter.category.toUpper();
    const bool anyCategory = category == QLatin1String("ALL");
    const std::vector<int>& byName = catalogue.byName();
    std::vector<int> rows;
    auto consider = [&](int index) {
        const ProductEntry& e = catalogue.entry(index);
        if (filter.loFat && e.fat)
            return;
        if (filter.loCarb && e.carb)
            return;
        if (!anyCategory && e.categoryKey != category)
            return;
        rows.push_back(index);
    };
    if (search.isEmpty()) {
        rows.reserve(byName.size());
        for (int index : byName)
            consider(index);
    } else {
        for (int position : catalogue.namesContaining(search))
            consider(byName[size_t(position)]);
    }
    return rows;
}

QStringList collectCategories(const ProductCatalogue& catalogue)
{
    QStringList names;
    QSet<QString> seen;
    for (int i = 0; i < catalogue.size(); ++i) {
        const ProductEntry& e = catalogue.entry(i);
        if (data::isBlankOrUnwritten(e.category) || seen.contains(e.categoryKey))
            continue;
        seen.insert(e.categoryKey);
        names.append(e.category);
    }
    std::stable_sort(names.begin(), names.end());
    return names;
}

} // namespace model
