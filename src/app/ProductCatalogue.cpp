#include "ProductCatalogue.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/Records.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace app {

using data::ProductRecord;

namespace {

QString decodeTrimmed(const char* record, data::FixedField field)
{
    const char* begin = record + field.offset;
    const char* end = begin + field.width;
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
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
        e.nameLower = e.name.toLower();
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
    return true;
}

std::vector<int> filterProducts(const ProductCatalogue& catalogue, const ProductFilter& filter)
{
    const QString search = data::trimBlanks(filter.search).toLower();
    const QString category = filter.category.toUpper();
    const bool anyCategory = category == QLatin1String("ALL");
    std::vector<int> rows;
    rows.reserve(catalogue.byName().size());
    for (int index : catalogue.byName()) {
        const ProductEntry& e = catalogue.entry(index);
        if (filter.loFat && e.fat)
            continue;
        if (filter.loCarb && e.carb)
            continue;
        if (!anyCategory && e.categoryKey != category)
            continue;
        if (!search.isEmpty() && !e.nameLower.contains(search))
            continue;
        rows.push_back(index);
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

} // namespace app
