#include "ProductText.h"

#include "ProductRules.h"
#include "data/Cp1252.h"
#include "data/Records.h"

#include <QRegularExpression>
#include <QSet>

namespace catalogue {

using data::ProductRecord;

namespace {

// Empty when the text may be stored in the field as it stands, else what is wrong with it.
QString fieldProblem(const QString& text, data::FixedField field, const char* what)
{
    const QString name = QString::fromLatin1(what);
    if (text.isEmpty())
        return name + QStringLiteral(" is empty");
    if (text != text.trimmed())
        return name + QStringLiteral(" has blanks around it");
    if (text.size() > field.width)
        return name + QStringLiteral(" is longer than %1 characters").arg(field.width);
    if (data::cp1252::decode(data::cp1252::encode(text)) != text)
        return name + QStringLiteral(" has characters the product file cannot hold");
    if (CapitalizeWords(text) != text)
        return name + QStringLiteral(" is not capitalised as the product editor stores it");
    return {};
}

// Empty when the line makes a product, else what is wrong with it.
QString readLine(const QStringList& fields, QSet<QString>& names, EditorFields& product)
{
    static const QRegularExpression aisled(QStringLiteral("^\\d\\d\\.\\d\\d \\S"));
    if (fields.size() != 4)
        return QStringLiteral("expected name|category|fat|carb");
    product.item = fields[0];
    product.category = fields[1];
    if (QString problem = fieldProblem(product.item, ProductRecord::item, "the name"); !problem.isEmpty())
        return problem;
    if (QString problem = fieldProblem(product.category, ProductRecord::category, "the category"); !problem.isEmpty())
        return problem;
    if (!aisled.match(product.category).hasMatch())
        return QStringLiteral("the category does not start with an aisle number such as 02.00");
    for (int i : {2, 3}) {
        if (fields[i] != u"0" && fields[i] != u"1")
            return QStringLiteral("a mark is neither 0 nor 1");
    }
    product.fat = fields[2] == u"1";
    product.carb = fields[3] == u"1";
    if (names.contains(product.item.toUpper()))
        return QStringLiteral("the name \"%1\" is there already").arg(product.item);
    names.insert(product.item.toUpper());
    return {};
}

} // namespace

ProductText productsFromText(QStringView text)
{
    ProductText out;
    QSet<QString> names;
    int number = 0;
    for (QStringView line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        EditorFields product;
        const QString problem = readLine(line.toString().split(u'|'), names, product);
        if (!problem.isEmpty())
            return {{}, number, problem};
        const ProductRecord record = buildProduct(product, false);
        out.records.append(record.bytes.data(), ProductRecord::Length);
    }
    return out;
}

} // namespace catalogue
