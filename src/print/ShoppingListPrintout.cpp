#include "ShoppingListPrintout.h"

#include "UnitPrices.h"
#include "data/FixedField.h"
#include "data/Numbers.h"

#include <QHash>

#include <algorithm>

namespace print {

using data::ShoppingItemRecord;

namespace {

// Composes the printout: the indent and the fonts it is printed in.
class Composer
{
public:
    Composer(const ShoppingPrintout& in, const UnitPrices& prices)
        : in_(in)
        , prices_(prices)
        , size_(data::parseLenient(in.choices.fontSize))
    {
        if (size_ <= 0)
            size_ = 12;
        // An indent typed larger than the page allows would leave no room for the text.
        indent_ = QString(std::min(indentCount(in.choices), largestIndent(size_)), u' ');
    }

    ui::PrintDocument compose()
    {
        if (in_.choices.byCategory)
            byCategory();
        else
            inListOrder();
        return std::move(doc_);
    }

private:
    void boldFont() { doc_.font(kItemFont, size_, true); }
    void itemFont() { doc_.font(kItemFont, size_, in_.choices.bold); }
    QString heading() const
    {
        return indent_ +
               (in_.choices.price ? QStringLiteral("Quantity/Item/Unit Price") : QStringLiteral("Quantity/Item"));
    }

    // Quantity as stored, the name, the unit price and the coupon.
    QString itemText(const ShoppingItemRecord& item, bool couponSpace) const
    {
        QString text = item.get(ShoppingItemRecord::quantity) + QLatin1Char(' ') + item.text(ShoppingItemRecord::item);
        if (in_.choices.price)
            text += prices_.textFor(item);
        const QString coupon = item.text(ShoppingItemRecord::coupon);
        if (data::parseLenient(coupon) > 0) {
            text += QStringLiteral(" (coupon ") + data::formatMoneyText(coupon) + QLatin1Char(')');
            if (couponSpace)
                text += QLatin1Char(' ');
        }
        return text.replace(QChar(u'\0'), QChar(u' '));
    }

    void inListOrder()
    {
        boldFont();
        doc_.text(heading()).tab(49).text(indent_ + QStringLiteral("Category")).endLine();
        doc_.endLine();
        itemFont();
        for (const int row : in_.rows) {
            if (row < 1 || size_t(row) > in_.items.size())
                continue; // the list file lost the record since the rows were built
            const ShoppingItemRecord& item = in_.items[size_t(row - 1)];
            doc_.text(indent_ + itemText(item, false)).tab(54);
            doc_.text(item.get(ShoppingItemRecord::category).replace(QChar(u'\0'), QChar(u' '))).endLine();
        }
        closing(2);
        notes();
        comments(true);
        footer();
    }

    void byCategory()
    {
        // Categories in the order first met, each with its items in record order.
        QStringList names;
        QHash<QString, std::vector<size_t>> members;
        for (size_t i = 0; i < in_.items.size(); ++i) {
            const QString category = in_.items[i].text(ShoppingItemRecord::category);
            auto found = members.find(category);
            if (found == members.end()) {
                names.append(category);
                found = members.insert(category, {});
            }
            found->push_back(i);
        }
        // By character code: upper-case letters before lower-case ones.
        std::sort(names.begin(), names.end());

        itemFont();
        doc_.line(heading());
        for (qsizetype c = 0; c < names.size(); ++c) {
            if (in_.choices.separators && c > 0) {
                boldFont();
                doc_.line(indent_ + QString(40, u'-'));
            }
            if (in_.choices.headers) {
                boldFont();
                doc_.line(indent_ + QString(names[c]).replace(QChar(u'\0'), QChar(u' ')).toUpper());
            }
            itemFont();
            for (const size_t i : members.value(names[c]))
                doc_.line(indent_ + QStringLiteral("  ") + itemText(in_.items[i], true));
        }
        closing(3);
        notes();
        comments(false);
        footer();
    }

    void closing(int gap)
    {
        doc_.endLine();
        doc_.line(indent_ + in_.date.toString(QStringLiteral("MM-dd-yyyy")) + QString(gap, u' ') + in_.totalText);
        doc_.endLine();
    }

    void notes()
    {
        if (!in_.notes)
            return;
        doc_.line(indent_ + QStringLiteral("NOTES:"));
        for (const QString& line : in_.noteLines)
            doc_.line(indent_ + line);
    }

    void comments(bool blankBefore)
    {
        QString joined;
        for (const QString& line : in_.comments)
            joined += data::trimBlanks(line);
        if (joined.isEmpty())
            return;
        if (blankBefore)
            doc_.endLine();
        doc_.line(indent_ + QStringLiteral("COMMENTS:"));
        for (const QString& line : in_.comments) {
            if (!data::trimBlanks(line).isEmpty())
                doc_.line(indent_ + line);
        }
        doc_.endLine();
    }

    // The footer's face is "Playbill"; where it is missing the printer uses Liberation Serif
    // Bold, a heavy serif installed with the program (see ui::QtPrinter).
    void footer()
    {
        doc_.font(kFooterFont, 12, false);
        doc_.text(indent_ + QStringLiteral("Pantrix"))
            .text(indent_ + QStringLiteral(" Shopping List Utility"))
            .endLine();
    }

    const ShoppingPrintout& in_;
    const UnitPrices& prices_;
    QString indent_;
    double size_;
    ui::PrintDocument doc_{QStringLiteral("Shopping List")};
};

} // namespace

ui::PrintDocument buildShoppingListPrintout(const ShoppingPrintout& in, const UnitPrices& prices)
{
    return Composer(in, prices).compose();
}

} // namespace print
