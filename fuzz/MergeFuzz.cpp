// Any bytes split into a product file and a merge file: the import adds whole records only,
// each one from the merge file, never a name the products or an earlier added record has.

#include "FuzzCheck.h"

#include "catalogue/MergeRules.h"
#include "data/Cp1252.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QSet>

#include <cstdint>

using data::ProductRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto [products, merge] = splitInput(data, size);

    const QByteArray added = catalogue::newProductsFromMerge(products, merge);
    FUZZ_CHECK(added.size() % ProductRecord::Length == 0);
    FUZZ_CHECK(added.size() <= merge.size());

    // The import compares names trimmed and upper-cased within the code page.
    QSet<QByteArray> seen;
    const auto& upper = data::cp1252::upperCaseBytes();
    auto byteKey = [&upper](const ProductRecord& r) {
        const auto [begin, end] = ProductRecord::item.trimmedBytes(r.bytes.data());
        QByteArray k(begin, end - begin);
        for (char& c : k)
            c = upper[static_cast<unsigned char>(c)];
        return k;
    };
    for (const ProductRecord& p : data::recordsFromBytes<ProductRecord>(products))
        seen.insert(byteKey(p));
    const auto incoming = data::recordsFromBytes<ProductRecord>(merge);
    size_t from = 0;
    for (const ProductRecord& a : data::recordsFromBytes<ProductRecord>(added)) {
        FUZZ_CHECK(!seen.contains(byteKey(a)));
        seen.insert(byteKey(a));
        // Added in merge file order, fields as the merge file had them.
        while (from < incoming.size() && incoming[from].get(ProductRecord::item) != a.get(ProductRecord::item))
            ++from;
        FUZZ_CHECK(from < incoming.size());
        FUZZ_CHECK(a.get(ProductRecord::price) == incoming[from].get(ProductRecord::price));
        FUZZ_CHECK(a.get(ProductRecord::category) == incoming[from].get(ProductRecord::category));
        ++from;
    }
    return 0;
}
