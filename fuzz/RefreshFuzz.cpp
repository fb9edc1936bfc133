// Any bytes split into a custom list file and a product file: the refresh changes prices
// and categories only, copies them from the first product of the same name, and counts
// exactly the records it gave values.

#include "FuzzCheck.h"

#include "customlists/CustomListRefresh.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <cstdint>

using data::CustomListRecord;
using data::FixedField;
using data::ProductRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto [listBytes, productBytes] = splitInput(data, size);
    const auto before = data::recordsFromBytes<CustomListRecord>(listBytes);
    const auto products = data::recordsFromBytes<ProductRecord>(productBytes);

    auto records = before;
    const int updated = customlists::refreshRecords(records, products);
    FUZZ_CHECK(records.size() == before.size());
    int changedOrMatched = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        for (FixedField f : {CustomListRecord::list, CustomListRecord::item, CustomListRecord::spare})
            FUZZ_CHECK(records[i].get(f) == before[i].get(f));
        const QString name = before[i].text(CustomListRecord::item).toUpper();
        const ProductRecord* first = nullptr;
        for (const ProductRecord& p : products) {
            if (p.text(ProductRecord::item).toUpper() == name) {
                first = &p;
                break;
            }
        }
        if (!first) {
            FUZZ_CHECK(records[i] == before[i]);
            continue;
        }
        ++changedOrMatched;
        FUZZ_CHECK(records[i].get(CustomListRecord::price) == first->get(ProductRecord::price));
        FUZZ_CHECK(records[i].get(CustomListRecord::category) == first->get(ProductRecord::category));
    }
    FUZZ_CHECK(updated == changedOrMatched);
    return 0;
}
