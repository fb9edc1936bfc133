// Writes the seed corpus of every fuzz target: records as the program writes them, so the
// fuzzers start from well-formed files and mutate from there. Run as
// pantrix_fuzz_seeds <corpus folder>; one subfolder per target.

#include "data/Cp1252.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "model/StoreFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <vector>

using namespace data;

namespace {

void write(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

ProductRecord product(const QString& item, const QString& price, const QString& category)
{
    ProductRecord r;
    r.set(ProductRecord::item, item);
    r.set(ProductRecord::price, price);
    r.set(ProductRecord::fat, u"1");
    r.set(ProductRecord::category, category);
    return r;
}

CustomListRecord custom(const QString& list, const QString& item, const QString& price)
{
    CustomListRecord r;
    r.set(CustomListRecord::list, list);
    r.set(CustomListRecord::item, item);
    r.set(CustomListRecord::price, price);
    r.set(CustomListRecord::category, u"Dairy");
    return r;
}

// Two bytes that place the split, then the two files.
QByteArray split(const QByteArray& first, const QByteArray& second)
{
    QByteArray bytes;
    bytes.append(char(first.size() >> 8)).append(char(first.size() & 0xFF));
    return bytes + first + second;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);

    const std::vector products{product("Milk 1 Gal", "2.49", "02.00 Dairy"), product("Eggs", ".50", "Dairy"),
                               product(QString::fromUtf8("Crème Fraîche"), "1234.5", "Miscellaneous")};
    ProductRecord unwritten;
    unwritten.set(ProductRecord::item, u"Zero Bytes");
    ShoppingItemRecord item;
    item.set(ShoppingItemRecord::item, u"Milk 1 Gal");
    item.set(ShoppingItemRecord::price, u" 4.98");
    item.set(ShoppingItemRecord::quantity, u"2");
    item.set(ShoppingItemRecord::coupon, u".50");
    LogRecord log;
    log.set(LogRecord::entrydate, u"12-06-26");
    log.set(LogRecord::total, u"123.45");

    const QString records = root + QStringLiteral("/records");
    write(records, "products", bytesFromRecords(products) + QByteArray(unwritten.bytes.data(), ProductRecord::Length));
    write(records, "list", QByteArray(item.bytes.data(), ShoppingItemRecord::Length) + "partial");
    write(records, "custom", bytesFromRecords(std::vector{custom("Party", "Milk", "2.49")}));
    write(records, "log", QByteArray(log.bytes.data(), LogRecord::Length));

    const QString numbers = root + QStringLiteral("/numbers");
    int n = 0;
    for (const char* text : {"2.49", " 4.98", ".50", "1234.56", "99999.99", "0.75|99.99", "1.25", "2|99.99", "123.45|1",
                             " .0000428571428571429", "1e3", "-2.5", "   ", "3 kg", "4|.03"})
        write(numbers, QString::number(n++), QByteArray(text));
    write(numbers, QString::number(n++), QByteArray(6, '\0'));

    const QString names = root + QStringLiteral("/namefile");
    for (const QString& name : {QStringLiteral("grocery.lst"), QStringLiteral("/srv/shared/lists/The Corner Shop.lst"),
                                QString::fromUtf8("Łódź.lst"), QString::fromUtf8("/home/u/Документы/store.lst")})
        write(names, QString::number(n++), model::rememberedListBytes(name));

    const QByteArray productBytes = bytesFromRecords(products);
    write(root + QStringLiteral("/merge"), "one",
          split(productBytes.left(ProductRecord::Length),
                productBytes + QByteArray(unwritten.bytes.data(), ProductRecord::Length)));
    write(root + QStringLiteral("/refresh"), "one",
          split(bytesFromRecords(std::vector{custom("Party", "MILK 1 GAL", "1.00"), custom("Party", "Tea", "")}),
                productBytes));
    // The first byte chooses the piece searched for.
    std::vector many{
        product("Milk 1 Gal", "2.49", "02.00 Dairy"),          product("milk", "", "dairy"),
        product("Milk Chocolate Bar", "", "Sweets"),           product("Milk 1 Gal", "2.59", "02.00 Dairy"),
        product(QString::fromUtf8("€uro Cake"), "", "Bakery"), product(QString::fromUtf8("ÿ"), "", "")};
    write(root + QStringLiteral("/catalogue"), "one", QByteArray(1, '\3') + bytesFromRecords(many));
    return 0;
}
