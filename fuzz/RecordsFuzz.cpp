// Any bytes, read as each of the program's record files: every field of every whole record
// is decoded, trimmed, shown and parsed as a number, and the records written back must give
// the same bytes.

#include "FuzzCheck.h"

#include "data/Numbers.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QByteArray>

#include <cstdint>
#include <initializer_list>

using namespace data;

namespace {

template<class T> void readAll(const QByteArray& bytes, std::initializer_list<FixedField> fields)
{
    const std::vector<T> records = recordsFromBytes<T>(bytes);
    FUZZ_CHECK(records.size() == size_t(bytes.size() / T::Length));
    for (const T& r : records) {
        for (FixedField f : fields) {
            const QString raw = r.get(f);
            const QString text = r.text(f);
            const QString shown = r.shown(f);
            FUZZ_CHECK(raw.size() == f.width && shown.size() == f.width);
            FUZZ_CHECK(text.size() <= f.width);
            FUZZ_CHECK(!text.startsWith(u' ') && !text.endsWith(u' '));
            FUZZ_CHECK(!text.startsWith(QChar(0)) && !text.endsWith(QChar(0)));
            FUZZ_CHECK(!shown.contains(QChar(0)));
            const auto [begin, end] = f.trimmedBytes(r.bytes.data());
            FUZZ_CHECK(end - begin == text.size());
            (void)parseLenient(raw);
            (void)isNumber(text);
            // A field copied through its text keeps every byte.
            T copy;
            copy.set(f, raw);
            FUZZ_CHECK(copy.get(f) == raw);
        }
    }
    FUZZ_CHECK(bytesFromRecords(records) == bytes.left(qsizetype(records.size()) * T::Length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readAll<ProductRecord>(bytes, {ProductRecord::item, ProductRecord::price, ProductRecord::fat, ProductRecord::carb,
                                   ProductRecord::spare1, ProductRecord::spare2, ProductRecord::category});
    readAll<ShoppingItemRecord>(bytes,
                                {ShoppingItemRecord::item, ShoppingItemRecord::price, ShoppingItemRecord::quantity,
                                 ShoppingItemRecord::category, ShoppingItemRecord::coupon, ShoppingItemRecord::spare});
    readAll<ListNameRecord>(bytes, {ListNameRecord::listname});
    readAll<CustomListRecord>(bytes, {CustomListRecord::list, CustomListRecord::item, CustomListRecord::price,
                                      CustomListRecord::category, CustomListRecord::spare});
    readAll<PrintSettingsRecord>(bytes, {PrintSettingsRecord::fontsize, PrintSettingsRecord::regularflag,
                                         PrintSettingsRecord::boldflag, PrintSettingsRecord::alphaflag,
                                         PrintSettingsRecord::categoryflag, PrintSettingsRecord::separatorflag,
                                         PrintSettingsRecord::priceflag, PrintSettingsRecord::headerflag,
                                         PrintSettingsRecord::indentwidth, PrintSettingsRecord::spare});
    readAll<PrintNoteRecord>(bytes, {PrintNoteRecord::commentline});
    readAll<LogRecord>(bytes, {LogRecord::entrydate, LogRecord::coupons, LogRecord::total, LogRecord::comment,
                               LogRecord::listname, LogRecord::spare});
    readAll<NotesRecord>(bytes, {NotesRecord::notes});
    return 0;
}
