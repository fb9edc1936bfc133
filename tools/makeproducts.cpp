// Build step: turns a product list kept as text into a product file, through the program's
// own record code, so that what ships is exactly what the program itself would write.
//
//     makeproducts <list.txt> <products.dat>

#include "catalogue/ProductText.h"
#include "data/FileOps.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeproducts <list.txt> <products.dat>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    const catalogue::ProductText products = catalogue::productsFromText(QString::fromUtf8(file.readAll()));
    if (!products.ok()) {
        // In the compiler's form, so that an editor can jump to the line.
        std::fprintf(stderr, "%s:%d: error: %s\n", argv[1], products.line, qPrintable(products.error));
        return 1;
    }
    const data::FileResult written = data::replaceFileSafely(QString::fromLocal8Bit(argv[2]), products.records);
    if (!written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return 1;
    }
    return 0;
}
