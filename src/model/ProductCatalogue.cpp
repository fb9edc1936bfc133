#include "model/ProductCatalogue.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>

namespace model {

using data::ProductRecord;

namespace {

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

// The byte of each rank: characterRanks() backwards.
const std::array<char, 256>& bytesOfRanks()
{
    static const std::array<char, 256> bytes = [] {
        std::array<char, 256> byte{};
        for (int b = 0; b < 256; ++b)
            byte[characterRanks()[size_t(b)]] = char(b);
        return byte;
    }();
    return bytes;
}

// Category fields as stored, all their bytes, to a value: a table of open addressing, since
// products share few categories and each record's field is looked up before anything is
// trimmed or decoded.
class RawCategories
{
public:
    static constexpr int kWidth = ProductRecord::category.width;

    // The value of this field, inserting `missing()` when it is new.
    template<class Missing> int valueOf(const char* field, Missing missing)
    {
        for (size_t slot = hashOf(field) & (slots_.size() - 1);; slot = (slot + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[slot];
            if (s.value < 0) {
                std::memcpy(s.field.data(), field, kWidth);
                s.value = missing();
                const int value = s.value; // a growth below moves the slot
                if (++used_ * 2 > slots_.size())
                    grow();
                return value;
            }
            if (std::memcmp(s.field.data(), field, kWidth) == 0)
                return s.value;
        }
    }

private:
    struct Slot
    {
        std::array<char, kWidth> field;
        int value = -1;
    };

    static size_t hashOf(const char* field)
    {
        std::uint64_t words[3];
        std::memcpy(words, field, sizeof words);
        std::uint64_t h = static_cast<unsigned char>(field[kWidth - 1]);
        for (const std::uint64_t w : words)
            h = (h ^ w) * 0x9E3779B97F4A7C15ULL;
        return size_t(h ^ h >> 32);
    }
    void grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old) {
            if (s.value < 0)
                continue;
            size_t slot = hashOf(s.field.data()) & (slots_.size() - 1);
            while (slots_[slot].value >= 0)
                slot = (slot + 1) & (slots_.size() - 1);
            slots_[slot] = s;
        }
    }

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    size_t used_ = 0;
};
static_assert(RawCategories::kWidth > 24, "three words and a last byte");

} // namespace

void ProductCatalogue::Fingerprint::add(const char* bytes, qsizetype length)
{
    // Only the fields the catalogue keeps: a price written leaves it as it was, and the
    // next look finds nothing to rebuild. The names apart, so that a change elsewhere (a
    // category renamed) keeps their order.
    size += length;
    using data::ProductRecord;
    static_assert(ProductRecord::fat.offset + 1 == ProductRecord::carb.offset);
    // Gathered side by side and hashed in one go: hashing short fields one by one, the
    // calls cost more than the hashing.
    constexpr auto item = size_t(ProductRecord::item.width);
    constexpr auto category = size_t(ProductRecord::category.width);
    constexpr size_t rest = 2 + category;
    std::array<char, kPieceRecords * item> itemFields;
    std::array<char, kPieceRecords * rest> restFields;
    const char* record = bytes;
    while (record + ProductRecord::Length <= bytes + length) {
        char* toItem = itemFields.data();
        char* toRest = restFields.data();
        for (int n = 0; n < kPieceRecords && record + ProductRecord::Length <= bytes + length;
             ++n, record += ProductRecord::Length) {
            std::memcpy(toItem, record + ProductRecord::item.offset, item);
            std::memcpy(toRest, record + ProductRecord::fat.offset, 2);
            std::memcpy(toRest + 2, record + ProductRecord::category.offset, category);
            toItem += item;
            toRest += rest;
        }
        names = qHashBits(itemFields.data(), size_t(toItem - itemFields.data()), names);
        others = qHashBits(restFields.data(), size_t(toRest - restFields.data()), others);
    }
}

bool ProductCatalogue::load(const QByteArray& bytes)
{
    const qsizetype whole = bytes.size() - bytes.size() % ProductRecord::Length;
    const auto pieces = [&bytes, whole](const std::function<void(const char*, qsizetype)>& take) {
        constexpr qsizetype piece = qsizetype(kPieceRecords) * ProductRecord::Length;
        for (qsizetype at = 0; at < whole; at += piece)
            take(bytes.constData() + at, std::min(piece, whole - at));
        return true;
    };
    return rebuild(pieces, whole);
}

bool ProductCatalogue::refresh(const data::RecordFileBase& file)
{
    const auto pieces = [&file](const std::function<void(const char*, qsizetype)>& take) {
        return file.readInPieces(kPieceRecords, take);
    };
    return rebuild(pieces, qint64(file.count()) * ProductRecord::Length);
}

bool ProductCatalogue::rebuild(const Pieces& pieces, qint64 size)
{
    bool sameNames = false;
    if (size == fingerprint_.size) {
        // Most likely unchanged: a pass of reading and hashing tells.
        Fingerprint now;
        if (size == 0)
            return false;
        if (pieces([&now](const char* bytes, qsizetype length) { now.add(bytes, length); })) {
            if (now == fingerprint_)
                return false;
            sameNames = now.names == fingerprint_.names && !entries_.empty();
        }
    }
    fingerprint_ = {};
    const auto count = size_t(size / ProductRecord::Length);
    entries_.clear();
    entries_.reserve(count);
    char* name = nullptr;
    if (!sameNames) {
        nameAt_.assign(1, 0);
        nameAt_.reserve(count + 1);
        names_ = QByteArray(qsizetype(count) * ProductRecord::item.width, Qt::Uninitialized);
        name = names_.data();
    }
    categories_.clear();
    // Products share few categories: each distinct field is decoded once, and forms of
    // one upper-cased key share one entry.
    RawCategories byField;
    QHash<QString, int> byKey;
    const auto& rank = characterRanks();
    // Whatever could be read is shown; a file cut short since it was measured is told
    // apart from itself by the fingerprint next time.
    static_cast<void>(pieces([&](const char* bytes, qsizetype length) {
        // No more than were measured: a file grown since is told apart next time too.
        length = std::min(length, qsizetype(count - entries_.size()) * ProductRecord::Length);
        fingerprint_.add(bytes, length);
        for (const char* record = bytes; record < bytes + length; record += ProductRecord::Length) {
            const int category = byField.valueOf(record + ProductRecord::category.offset, [&] {
                const auto [begin, end] = ProductRecord::category.trimmedBytes(record);
                const QString text = data::cp1252::decode(begin, end - begin);
                const QString key = text.toUpper();
                auto entry = byKey.constFind(key);
                if (entry == byKey.constEnd()) {
                    entry = byKey.insert(key, int(categories_.size()));
                    categories_.push_back({text, key});
                }
                return *entry;
            });
            entries_.push_back({int(entries_.size()) + 1, category, record[ProductRecord::fat.offset] == '1',
                                record[ProductRecord::carb.offset] == '1'});
            if (sameNames)
                continue;
            const auto [first, last] = ProductRecord::item.trimmedBytes(record);
            for (const char* c = first; c < last; ++c)
                *name++ = char(rank[static_cast<unsigned char>(*c)]);
            nameAt_.push_back(std::uint32_t(name - names_.constData()));
        }
    }));
    // The names read the same (the pass above hashed them): their layout and order stand,
    // unless fewer records could be read this time.
    if (sameNames && entries_.size() == count)
        return true;
    if (sameNames) {
        // Read anew as a whole next time.
        fingerprint_ = {};
        entries_.clear();
        return rebuild(pieces, size);
    }
    names_.truncate(name - names_.constData());
    names_.squeeze();
    indexNames();
    return true;
}

void ProductCatalogue::indexNames()
{
    // Names compare as their decoded text (UTF-16 code units, the character code order);
    // equal names keep their file order. Eight characters at a time, ranked, make one
    // integer: a stable radix sort orders the names by their first eight; names alike in
    // those are sorted by the next eight, and only then compared whole.
    struct Key
    {
        std::uint64_t prefix;
        std::uint64_t next; // characters 8 to 15
        const char* name;
        int length;
        int index;
    };
    // The names are packed and ranked already: sorting compares plain bytes and touches a
    // few megabytes in all.
    // Left unset until written: filling 100k keys twice with zeros costs a millisecond.
    const size_t n = entries_.size();
    auto keys = std::make_unique_for_overwrite<Key[]>(n);
    for (size_t i = 0; i < n; ++i) {
        const char* name = names_.constData() + nameAt_[i];
        const int length = int(nameAt_[i + 1] - nameAt_[i]);
        std::array<unsigned char, 16> sixteen{}; // a name's end counts as the lowest rank
        std::memcpy(sixteen.data(), name, size_t(std::min(length, 16)));
        std::uint64_t prefix = 0;
        std::uint64_t next = 0;
        for (size_t c = 0; c < 8; ++c) {
            prefix = prefix << 8 | sixteen[c];
            next = next << 8 | sixteen[c + 8];
        }
        keys[i] = {prefix, next, name, length, int(i)};
    }
    auto sorted = std::make_unique_for_overwrite<Key[]>(n);
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<size_t, 257> starts{};
        for (size_t i = 0; i < n; ++i)
            ++starts[((keys[i].prefix >> shift) & 0xff) + 1];
        if (std::find(starts.begin(), starts.end(), n) != starts.end())
            continue; // every key has the same byte here
        for (size_t b = 1; b < starts.size(); ++b)
            starts[b] += starts[b - 1];
        for (size_t i = 0; i < n; ++i)
            sorted[starts[(keys[i].prefix >> shift) & 0xff]++] = keys[i];
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
    for (size_t from = 0; from < n;) {
        size_t to = from + 1;
        while (to < n && keys[to].prefix == keys[from].prefix)
            ++to;
        if (to - from > 1)
            std::sort(keys.get() + qsizetype(from), keys.get() + qsizetype(to), less);
        from = to;
    }
    byName_.resize(n);
    for (size_t k = 0; k < n; ++k)
        byName_[k] = keys[k].index;
    // The search's lower-cased names wait for the first search: a start has no use for them.
    lowerNames_.clear();
    starts_.clear();
}

void ProductCatalogue::layOutLowerNames() const
{
    if (!starts_.empty())
        return;
    // From a rank straight to the lower-cased byte.
    const auto& rank = characterRanks();
    std::array<char, 256> lowerOfRank{};
    for (int b = 0; b < 256; ++b)
        lowerOfRank[rank[size_t(b)]] = data::cp1252::lowerCaseBytes()[size_t(b)];
    lowerNames_ = QByteArray(names_.size(), Qt::Uninitialized);
    starts_.reserve(byName_.size() + 1);
    char* out = lowerNames_.data();
    for (const int index : byName_) {
        starts_.push_back(std::uint32_t(out - lowerNames_.constData()));
        for (std::uint32_t c = nameAt_[size_t(index)]; c < nameAt_[size_t(index) + 1]; ++c)
            *out++ = lowerOfRank[static_cast<unsigned char>(names_[c])];
    }
    starts_.push_back(std::uint32_t(out - lowerNames_.constData()));
}

QString ProductCatalogue::name(int index) const
{
    const auto& byteOf = bytesOfRanks();
    const char* ranked = names_.constData() + nameAt_[size_t(index)];
    const int length = int(nameAt_[size_t(index) + 1] - nameAt_[size_t(index)]);
    std::array<char, ProductRecord::item.width> bytes;
    for (int c = 0; c < length; ++c)
        bytes[size_t(c)] = byteOf[static_cast<unsigned char>(ranked[c])];
    return data::cp1252::decode(bytes.data(), length);
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
    layOutLowerNames();
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
        const auto at = std::uint32_t(hit);
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
    const bool anyCategory = filter.category.isAll();
    const int wanted = anyCategory ? -1 : catalogue.categoryIndex(filter.category.category().toUpper());
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
