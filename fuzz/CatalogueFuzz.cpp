// Any bytes, read as a product file: the Product List's order, search and categories agree with
// the plain way of getting them from the decoded names (a stable sort of QStrings, a lower-cased
// QString search, a set of upper-cased categories), whatever bytes the names hold.

#include "FuzzCheck.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "model/ProductCatalogue.h"

#include <QSet>

#include <algorithm>
#include <cstdint>

using namespace data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // The first byte picks the search text's length; the search text is taken from a name.
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const std::vector<ProductRecord> records = recordsFromBytes<ProductRecord>(bytes);
    model::ProductCatalogue catalogue;
    catalogue.load(bytes);
    FUZZ_CHECK(catalogue.size() == int(records.size()));

    std::vector<int> expected(records.size());
    for (size_t i = 0; i < expected.size(); ++i)
        expected[i] = int(i);
    std::stable_sort(expected.begin(), expected.end(), [&records](int a, int b) {
        return records[size_t(a)].text(ProductRecord::item) < records[size_t(b)].text(ProductRecord::item);
    });
    const std::vector<int> shown = model::filterProducts(catalogue, {});
    FUZZ_CHECK(shown == expected);
    for (size_t i = 0; i < records.size(); ++i)
        FUZZ_CHECK(catalogue.name(int(i)) == records[i].text(ProductRecord::item));

    if (!records.empty()) {
        // A piece of the first name finds that name, and every name found holds the piece,
        // both lower-cased by the code page.
        auto lowered = [](QByteArray text) {
            for (char& c : text)
                c = cp1252::lowerCaseBytes()[static_cast<unsigned char>(c)];
            return text;
        };
        const auto [begin, end] = ProductRecord::item.trimmedBytes(records.front().bytes.data());
        const QByteArray piece = QByteArray(begin, end - begin).mid((end - begin) / 3, data[0] % 8 + 1);
        model::ProductFilter filter;
        filter.search = cp1252::decode(piece);
        if (!trimBlanks(filter.search).isEmpty() && trimBlanks(filter.search) == filter.search) {
            const std::vector<int> hits = model::filterProducts(catalogue, filter);
            FUZZ_CHECK(std::find(hits.begin(), hits.end(), 0) != hits.end());
            for (int i : hits) {
                const auto [from, to] = ProductRecord::item.trimmedBytes(records[size_t(i)].bytes.data());
                FUZZ_CHECK(lowered(QByteArray(from, to - from)).contains(lowered(piece)));
            }
        }
    }

    QSet<QString> keys;
    for (const ProductRecord& r : records) {
        if (!isBlankOrUnwritten(r.text(ProductRecord::category)))
            keys.insert(r.text(ProductRecord::category).toUpper());
    }
    FUZZ_CHECK(model::collectCategories(catalogue).size() == keys.size());

    // The same names with the other fields handed round: the names keep their order, and
    // the marks and categories follow the new bytes.
    if (records.size() > 1) {
        QByteArray moved = bytes;
        const qsizetype n = qsizetype(records.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char* from = bytes.constData() + ((i + 1) % n) * ProductRecord::Length;
            char* to = moved.data() + i * ProductRecord::Length;
            std::copy_n(from + ProductRecord::fat.offset, 2, to + ProductRecord::fat.offset);
            std::copy_n(from + ProductRecord::category.offset, ProductRecord::category.width,
                        to + ProductRecord::category.offset);
        }
        catalogue.load(moved);
        FUZZ_CHECK(model::filterProducts(catalogue, {}) == expected);
        const std::vector<ProductRecord> now = recordsFromBytes<ProductRecord>(moved);
        for (size_t i = 0; i < now.size(); ++i) {
            const model::ProductEntry& entry = catalogue.entry(int(i));
            FUZZ_CHECK(entry.fat == (now[i].bytes[ProductRecord::fat.offset] == '1'));
            FUZZ_CHECK(entry.carb == (now[i].bytes[ProductRecord::carb.offset] == '1'));
            FUZZ_CHECK(catalogue.categories()[size_t(entry.category)].key ==
                       now[i].text(ProductRecord::category).toUpper());
        }
    }
    return 0;
}
