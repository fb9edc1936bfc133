#pragma once

#include "CategoryFilter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace data {
class RecordFileBase;
}

namespace model {

// One product as the Product List needs it: a dozen bytes, so a catalogue of 100k products
// costs little. The name is kept apart, packed with the others, and decoded when shown.
struct ProductEntry
{
    int record = 0;   // record number in the product file, from 1
    int category = 0; // index into the catalogue's categories
    bool fat = false;
    bool carb = false;
};

// A category as products carry it: the form first met in file order, and its upper-cased
// key, by which categories are told apart.
struct CategoryEntry
{
    QString form;
    QString key;
};

// What narrows the Product List.
struct ProductFilter
{
    QString search;      // the Quick Search text as typed
    bool loFat = false;  // hide products marked high-fat
    bool loCarb = false; // hide products marked high-carb
    CategoryFilter category;
};

// The decoded product file: entries in file order and their order by name. Rebuilding it
// is the expensive part of a Product List rebuild, so it is redone only when the file's
// bytes differ from those it was built from. Only what the list shows is kept, not the
// file's bytes: those are told apart by their length and 64-bit hashes (of the names, and
// of the rest), as cheap to check as comparing the bytes was (each Quick Search keystroke
// checks). Where only the rest differs, the names keep their order.
class ProductCatalogue
{
public:
    // Decodes the whole records of a product file; returns false when the bytes were
    // the same as last time and nothing had to be done.
    bool load(const QByteArray& bytes);
    // The same for the open file, read in pieces: an unchanged file is read and hashed, a
    // changed one read once more and decoded, and neither is ever held in memory whole.
    bool refresh(const data::RecordFileBase& file);

    int size() const { return int(entries_.size()); }
    const ProductEntry& entry(int index) const { return entries_[size_t(index)]; }
    // The product's item, trimmed: the row text.
    QString name(int index) const;
    // Every category carried, in the order first met.
    const std::vector<CategoryEntry>& categories() const { return categories_; }
    // The index in categories() of this upper-cased key, or -1 when no product carries it.
    int categoryIndex(const QString& key) const;
    // Entry indices sorted by name, by character code; equal names keep their file order.
    const std::vector<int>& byName() const { return byName_; }

    // Positions in byName() of the products whose name contains the text, both lower-cased,
    // in name order. One pass over all names, as grep makes over a file.
    std::vector<int> namesContaining(const QString& text) const;

private:
    // What a file's whole records are told apart by.
    struct Fingerprint
    {
        qint64 size = 0;
        std::size_t names = 0;
        std::size_t others = 0;

        void add(const char* bytes, qsizetype size);
        bool operator==(const Fingerprint&) const = default;
    };
    // Hands the file's whole records over in pieces of kPieceRecords records; false when
    // they could not all be read.
    using Pieces = std::function<bool(const std::function<void(const char*, qsizetype)>&)>;
    static constexpr int kPieceRecords = 448; // some 64 KB

    bool rebuild(const Pieces& pieces, qint64 size);
    // Orders the names (byName_).
    void indexNames();
    // Lays out the names' lower-cased forms for the search, when first searched.
    void layOutLowerNames() const;

    Fingerprint fingerprint_;
    std::vector<ProductEntry> entries_;
    // Every name, trimmed, back to back in file order, each byte replaced by its rank among
    // the code page's characters (so that plain byte comparison orders them as text);
    // entry i's name occupies [nameAt_[i], nameAt_[i + 1]).
    QByteArray names_;
    std::vector<std::uint32_t> nameAt_;
    std::vector<CategoryEntry> categories_;
    std::vector<int> byName_;
    // The lower-cased names in name order, one code page byte per character, back to back;
    // name k occupies [starts_[k], starts_[k + 1]). Laid out at the first search.
    mutable QByteArray lowerNames_;
    mutable std::vector<std::uint32_t> starts_;
};

// The rows of the Product List: entry indices in name order that pass every filter.
std::vector<int> filterProducts(const ProductCatalogue& catalogue, const ProductFilter& filter);

// The category box's entries after "All": every distinct non-blank category, compared
// upper-cased, in the form first met in file order, sorted by character code.
QStringList collectCategories(const ProductCatalogue& catalogue);

} // namespace model
