#include "ProductListPrintout.h"

#include "ShoppingListPrintout.h"
#include "data/FixedField.h"

#include <QCoreApplication>

namespace print {

using data::ProductRecord;

namespace {

// A field exactly as stored; bytes never written print as blanks.
QString stored(const ProductRecord& product, data::FixedField field)
{
    return product.get(field).replace(QChar(u'\0'), QChar(u' '));
}

void heading(ui::PrintDocument& doc, const QString& categoryText, const QDateTime& now)
{
    doc.endLine().endLine().endLine();
    doc.line(QStringLiteral("PANTRIX Product List    Printed ") + now.toString(QStringLiteral("MM-dd-yyyy hh:mm:ss")));
    doc.line(QStringLiteral("Category: ") + categoryText);
    doc.endLine();
}

} // namespace

QString productListQuestion(const model::CategoryFilter& shown)
{
    if (shown.isAll())
        return QCoreApplication::translate("print", "Print the Product List?");
    return QCoreApplication::translate("print", "Print the ") + data::trimBlanks(shown.category()) +
           QCoreApplication::translate("print", " list?");
}

ui::PrintDocument buildProductListPrintout(const std::vector<ProductRecord>& products,
                                           const model::CategoryFilter& shown, const QDateTime& now)
{
    const bool all = shown.isAll();
    const QString categoryText = shown.shownAs();
    // The printer's usual default size: 46 products and the heading fit any common page.
    ui::PrintDocument doc(QStringLiteral("Product List"));
    doc.font(kItemFont, 10).beginHeading();
    heading(doc, categoryText, now);
    // A page is begun for the product that follows a full one, never for the heading alone.
    doc.endHeading().pageLines(kProductsPerPage);
    doc.reserve(products.size() * 6 + 1);
    for (const ProductRecord& product : products) {
        doc.text(stored(product, ProductRecord::item)).tab(44).text(stored(product, ProductRecord::price));
        if (all)
            doc.tab(54).text(stored(product, ProductRecord::category));
        doc.endLine();
    }
    return doc;
}

} // namespace print
