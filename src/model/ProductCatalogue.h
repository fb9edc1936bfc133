#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace data {
class RecordFileBase;
}

namespace model {

// One product as the Product List needs it: a dozen bytes, so a catalogue of 100k products
// costs little beside the file's own bytes. The name is decoded from those bytes when shown.
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
    QString search;           // the Quick Search text as typed
    bool loFat = false;       // hide products marked high-fat
    bool loCarb = false;      // hide products marked high-carb
    QString category = "ALL"; // "ALL" (any case) or the category viewed
};

// The decoded product file: entries in file order and their order by name. Rebuilding it
// is the expensive part of a Product List rebuild, so it is redone only when the file's
// bytes differ from those it was built from.
class ProductCatalogue
{
public:
    // Decodes the whole records of a product file; returns false when the bytes were
    // the same as last time and nothing had to be done.
    bool load(const QByteArray& bytes);
    // The same for the open file, compared piece by piece first: an unchanged file costs
    // neither a copy nor a decode.
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
    // Orders the names (byName_) and lays out their lower-cased forms for the search.
    void indexNames();

    QByteArray bytes_;
    std::vector<ProductEntry> entries_;
    std::vector<CategoryEntry> categories_;
    std::vector<int> byName_;
    // The lower-cased names in name order, one code page byte per character, back to back;
    // name k occupies [starts_[k], starts_[k + 1]).
    QByteArray lowerNames_;
    std::vector<qsizetype> starts_;
};

// The rows of the Product List: entry indices in name order that pass every filter.
std::vector<int> filterProducts(const ProductCatalogue& catalogue, const ProductFilter& filter);

// The category box's entries after "All": every distinct non-blank category, compared
// upper-cased, in the form first met in file order, sorted by character code.
QStringList collectCategories(const ProductCatalogue& catalogue);

} // namespace model
