#include "model/ProductCatalogue.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace model {

using data::ProductRecord;

namespace {

QString decodeTrimmed(const char* record, data::FixedField field)
{
    const auto [begin, end] = field.trimmedBytes(record);
    return data::cp1252::decode(begin, end - begin);
}

// Each byte's place among all 256 when ordered by the character it decodes to, so that names
// compared byte by byte through this table sort as their decoded text compares.
const std::array<unsigned char, 256>& characterRanks()
{
    static const std::array<unsigned char, 256> ranks = [] {
        std::array<char16_t, 256> unit{};
        std::array<int, 256> bytes{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            unit[size_t(b)] = data::cp1252::decode(&c, 1).at(0).unicode();
            bytes[size_t(b)] = b;
        }
        std::sort(bytes.begin(), bytes.end(), [&unit](int a, int b) { return unit[size_t(a)] < unit[size_t(b)]; });
        std::array<unsigned char, 256> rank{};
        for (int place = 0; place < 256; ++place)
            rank[size_t(bytes[size_t(place)])] = static_cast<unsigned char>(place);
        return rank;
    }();
    return ranks;
}

} // namespace

bool ProductCatalogue::load(const QByteArray& bytes)
{
    if (bytes == bytes_)
        return false;
    bytes_ = bytes;
    const int count = int(bytes.size() / ProductRecord::Length);
    entries_.assign(size_t(count), {});
    categories_.clear();
    // Products share few categories: each distinct byte form is decoded once, and forms
    // of one upper-cased key share one entry.
    std::unordered_map<std::string_view, int> byForm;
    QHash<QString, int> byKey;
    for (int i = 0; i < count; ++i) {
        const char* record = bytes_.constData() + qsizetype(i) * ProductRecord::Length;
        const auto [begin, end] = ProductRecord::category.trimmedBytes(record);
        auto [form, added] = byForm.try_emplace(std::string_view(begin, size_t(end - begin)), 0);
        if (added) {
            const QString text = data::cp1252::decode(begin, end - begin);
            const QString key = text.toUpper();
            auto known = byKey.constFind(key);
            if (known == byKey.constEnd()) {
                known = byKey.insert(key, int(categories_.size()));
                categories_.push_back({text, key});
            }
            form->second = *known;
        }
        entries_[size_t(i)] = {i + 1, form->second, record[ProductRecord::fat.offset] == '1',
                               record[ProductRecord::carb.offset] == '1'};
    }
    indexNames();
    return true;
}

void ProductCatalogue::indexNames()
{
    // Names compare as their decoded text (UTF-16 code units, the character code order);
    // equal names keep their file order. Eight characters at a time, ranked, make one
    // integer: a stable radix sort orders the names by their first eight; names alike in
    // those are sorted by the next eight, and only then compared whole.
    const auto& rank = characterRanks();
    struct Key
    {
        std::uint64_t prefix;
        std::uint64_t next; // characters 8 to 15
        const char* name;
        int length;
        int index;
    };
    auto eightFrom = [](const char* name, int length, int from) {
        std::uint64_t eight = 0;
        for (int c = from; c < from + 8; ++c)
            eight = eight << 8 | (c < length ? static_cast<unsigned char>(name[c]) : 0u);
        return eight;
    };
    // The names are first packed back to back in file order, each byte replaced by its rank:
    // sorting then compares plain bytes and touches a few megabytes instead of jumping about
    // the whole file's bytes.
    QByteArray packed(qsizetype(entries_.size()) * ProductRecord::item.width, Qt::Uninitialized);
    char* next = packed.data();
    std::vector<Key> keys(entries_.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto [begin, end] =
            ProductRecord::item.trimmedBytes(bytes_.constData() + qsizetype(i) * ProductRecord::Length);
        const int length = int(end - begin);
        for (int c = 0; c < length; ++c)
            next[c] = char(rank[static_cast<unsigned char>(begin[c])]);
        keys[i] = {eightFrom(next, length, 0), eightFrom(next, length, 8), next, length, int(i)};
        next += length;
    }
    std::vector<Key> sorted(keys.size());
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<size_t, 257> starts{};
        for (const Key& k : keys)
            ++starts[((k.prefix >> shift) & 0xff) + 1];
        if (std::find(starts.begin(), starts.end(), keys.size()) != starts.end())
            continue; // every key has the same byte here
        for (size_t b = 1; b < starts.size(); ++b)
            starts[b] += starts[b - 1];
        for (const Key& k : keys)
            sorted[starts[(k.prefix >> shift) & 0xff]++] = k;
        keys.swap(sorted);
    }
    // Names with equal integers agree in every character the shorter one has up to there
    // (a name's end counts as the lowest rank), so the comparison goes on from that point.
    // Equal names go by file order, which makes the order total and the sort need no buffer.
    auto less = [](const Key& a, const Key& b) {
        if (a.next != b.next)
            return a.next < b.next;
        const int shorter = std::min(a.length, b.length);
        const int from = std::min(shorter, 16);
        if (const int order = std::memcmp(a.name + from, b.name + from, size_t(shorter - from)); order != 0)
            return order < 0;
        return a.length != b.length ? a.length < b.length : a.index < b.index;
    };
    for (size_t from = 0; from < keys.size();) {
        size_t to = from + 1;
        while (to < keys.size() && keys[to].prefix == keys[from].prefix)
            ++to;
        if (to - from > 1)
            std::sort(keys.begin() + qsizetype(from), keys.begin() + qsizetype(to), less);
        from = to;
    }
    byName_.resize(keys.size());
    for (size_t k = 0; k < keys.size(); ++k)
        byName_[k] = keys[k].index;

    // From a rank straight to the lower-cased byte.
    std::array<char, 256> lowerOfRank{};
    for (int b = 0; b < 256; ++b)
        lowerOfRank[rank[size_t(b)]] = data::cp1252::lowerCaseBytes()[size_t(b)];
    lowerNames_.resize(qsizetype(keys.size()) * ProductRecord::item.width);
    starts_.assign(keys.size() + 1, 0);
    char* out = lowerNames_.data();
    for (size_t k = 0; k < keys.size(); ++k) {
        starts_[k] = out - lowerNames_.data();
        for (int c = 0; c < keys[k].length; ++c)
            *out++ = lowerOfRank[static_cast<unsigned char>(keys[k].name[c])];
    }
    starts_[keys.size()] = out - lowerNames_.data();
    lowerNames_.truncate(starts_[keys.size()]);
    lowerNames_.squeeze();
}

bool ProductCatalogue::refresh(const data::RecordFileBase& file)
{
    if (file.holds(bytes_))
        return false;
    return load(file.readAllBytes());
}

QString ProductCatalogue::name(int index) const
{
    return decodeTrimmed(bytes_.constData() + qsizetype(index) * ProductRecord::Length, ProductRecord::item);
}

int ProductCatalogue::categoryIndex(const QString& key) const
{
    const auto found =
        std::find_if(categories_.begin(), categories_.end(), [&key](const CategoryEntry& c) { return c.key == key; });
    return found == categories_.end() ? -1 : int(found - categories_.begin());
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
    const int wanted = anyCategory ? -1 : catalogue.categoryIndex(category);
    const std::vector<int>& byName = catalogue.byName();
    std::vector<int> rows;
    auto consider = [&](int index) {
        const ProductEntry& e = catalogue.entry(index);
        if (filter.loFat && e.fat)
            return;
        if (filter.loCarb && e.carb)
            return;
        if (!anyCategory && e.category != wanted)
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
    for (const CategoryEntry& c : catalogue.categories()) {
        if (!data::isBlankOrUnwritten(c.form))
            names.append(c.form);
    }
    std::stable_sort(names.begin(), names.end());
    return names;
}

} // namespace model
