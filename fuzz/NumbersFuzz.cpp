// Any bytes, as typed or stored number text and as a double: parsing never fails, and every
// text the program writes fits its field, carries no exponent, and reads back as the value
// it stands for (rounded to the decimals it kept).

#include "FuzzCheck.h"

#include "catalogue/CouponRules.h"
#include "catalogue/ProductRules.h"
#include "customlists/CustomListRules.h"
#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "data/Records.h"
#include "model/ShoppingListRules.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace data;

namespace {

int decimalsOf(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? 0 : int(text.trimmed().size() - (text.trimmed().indexOf(u'.')) - 1);
}

// The value a fitted text stands for is the original, rounded to the decimals it kept.
bool closeEnough(double original, const QString& fitted)
{
    // Halves are recognised a hair early (2.675 is stored a hair below), hence the slack.
    const double tolerance = 0.5 * std::pow(10.0, -decimalsOf(fitted)) * (1 + 1e-6) + std::fabs(original) * 1e-12;
    return std::fabs(parseLenient(fitted) - original) <= tolerance;
}

bool hasExponent(const QString& text)
{
    return text.contains(u'e', Qt::CaseInsensitive);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigitChar(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The reading through Qt's own conversion: the program's faster one must agree with it.
double parsedByQt(QStringView text)
{
    QString digits;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skip();
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        digits += text[i++];
    bool point = false;
    bool any = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (isDigitChar(c)) {
            digits += c;
            any = true;
        } else if (c == u'.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent += text[j++];
        bool expDigits = false;
        while (j < n && isDigitChar(text[j])) {
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits)
            digits += exponent;
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

void checkText(const QString& text)
{
    const double value = parseLenient(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value == parsedByQt(text));
    const bool number = isNumber(text);
    (void)formatMoneyText(text);
    for (int width = 1; width <= 8; ++width) {
        if (const auto money = fitMoneyText(text, width)) {
            FUZZ_CHECK(money->size() <= width);
            if (text.size() <= width)
                FUZZ_CHECK(*money == text);
            else if (number && !hasExponent(text))
                FUZZ_CHECK(closeEnough(value, *money));
        }
        // Money kept to the cent: what is stored reads back as the same amount.
        if (const auto kept = fitMoneyExactly(text, width)) {
            FUZZ_CHECK(kept->size() <= width);
            if (number && !hasExponent(text))
                FUZZ_CHECK(std::fabs(parseLenient(*kept) - value) < 0.01 + std::fabs(value) * 1e-12);
        }
        if (const auto exact = fitExactText(text, width)) {
            FUZZ_CHECK(exact->size() <= width);
            if (number)
                FUZZ_CHECK(parseLenient(*exact) == value);
        }
    }
    if (const auto quantity = model::storedQuantity(text)) {
        FUZZ_CHECK(quantity->size() <= ShoppingItemRecord::quantity.width);
        FUZZ_CHECK(isNumber(*quantity) && parseLenient(*quantity) == value);
    }
    if (const auto price = catalogue::storedPrice(text))
        FUZZ_CHECK(price->size() <= ProductRecord::price.width);
    if (const auto coupon = catalogue::storedCouponText(text))
        FUZZ_CHECK(coupon->size() <= ShoppingItemRecord::coupon.width);
    // The box shows what will be stored, or what OK will refuse with a reason.
    const QString shown = catalogue::normalizedCouponText(text);
    FUZZ_CHECK(shown.size() <= ShoppingItemRecord::coupon.width || !catalogue::couponProblem(shown).isEmpty());
    if (const auto coupon = catalogue::storedCouponText(shown))
        FUZZ_CHECK(parseLenient(*coupon) >= 0);
}

void checkValue(double value)
{
    if (!std::isfinite(value))
        return;
    const QString plain = plainNumber(value);
    FUZZ_CHECK(!hasExponent(plain));
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || (magnitude > 1e-290 && magnitude < 1e290))
        FUZZ_CHECK(std::fabs(parseLenient(plain) - value) <= magnitude * 1e-13);
    if (magnitude < 1e15) {
        const QString money = formatPattern(value, u"###.00");
        FUZZ_CHECK(!money.contains(u',') && !hasExponent(money));
        FUZZ_CHECK(std::fabs(parseLenient(money) - value) <= 0.005 + 1e-8 + magnitude * 1e-12);
    }
    for (int width = 1; width <= 8; ++width) {
        if (const auto fitted = fitNumber(value, width)) {
            FUZZ_CHECK(fitted->size() <= width && !hasExponent(*fitted));
            FUZZ_CHECK(closeEnough(value, *fitted));
        }
    }
}

// An item built or changed from these texts agrees with itself: its price is the unit
// price times the quantity as stored.
void checkItem(const QString& price, const QString& quantity)
{
    ProductRecord product;
    product.set(ProductRecord::price, price);
    const QString storedPrice = product.text(ProductRecord::price);
    const double unit = isNumber(storedPrice) ? parseLenient(storedPrice) : 0;
    for (auto style : {model::PriceText::Plain, model::PriceText::Money}) {
        const auto item = model::shoppingItemFor(product, quantity, style);
        if (!item)
            continue;
        const QString stored = item->text(ShoppingItemRecord::price);
        FUZZ_CHECK(!hasExponent(stored));
        FUZZ_CHECK(closeEnough(unit * parseLenient(item->text(ShoppingItemRecord::quantity)), stored));
        if (const auto changed = model::withQuantity(*item, quantity))
            FUZZ_CHECK(!hasExponent(changed->text(ShoppingItemRecord::price)));
        FUZZ_CHECK(!hasExponent(customlists::unitPriceText(*item)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const QString text = cp1252::decode(bytes, qsizetype(size));
    checkText(text);
    checkText(QString::fromUtf8(bytes, qsizetype(size)));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkValue(value);
    }
    checkValue(parseLenient(text));
    const qsizetype cut = text.indexOf(u'|');
    if (cut >= 0)
        checkItem(text.left(cut), text.mid(cut + 1));
    return 0;
}
