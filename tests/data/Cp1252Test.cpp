#include "data/Cp1252.h"
#include "support/Fixtures.h"

using namespace data;

TEST(Cp1252, EveryByteSurvivesAndEveryCharacterIsOneByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);

    // One byte per character, whatever the character.
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("Café"), QByteArray("Caf\xE9")},
        {QStringLiteral("€5 – “Bio”"), QByteArray("\x80"
                                                  "5 \x96 \x93"
                                                  "Bio\x94")},
        {QStringLiteral("Żurek"), QByteArray("Zurek")}, // base letter of a missing accent
        {QStringLiteral("Łosoś"), QByteArray("?osos")}, // Ł has no base letter
        {QStringLiteral("Tofu 豆腐"), QByteArray("Tofu ??")},
        {QStringLiteral("Pie 🥧!"), QByteArray("Pie ?!")}, // a surrogate pair is one character
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(cp1252::encode(text), bytes) << text.toStdString();
}

TEST(FixedField, PadsCutsKeepsUnwrittenFieldsAsZeroBytesAndNeverShifts)
{
    ProductRecord r;
    r.set(ProductRecord::item, QStringLiteral("Crème fraîche 200 g and a name far longer than forty"));
    r.set(ProductRecord::price, QStringLiteral(".49"));
    r.set(ProductRecord::category, QStringLiteral("Dairy"));

    const QByteArray bytes(r.bytes.data(), ProductRecord::Length);
    EXPECT_EQ(bytes.left(40), QByteArray("Cr\xE8me fra\xEE"
                                         "che 200 g and a name far longe"));
    EXPECT_EQ(bytes.mid(40, 6), QByteArray(".49   "));
    EXPECT_EQ(bytes.mid(46, 75), QByteArray(75, '\0')); // fat, carb, spare1, spare2 never written
    EXPECT_EQ(bytes.mid(121), QByteArray("Dairy") + QByteArray(20, ' '));

    EXPECT_EQ(r.get(ProductRecord::fat), QString(1, QChar(0)));
    EXPECT_EQ(r.text(ProductRecord::fat), "") << "zero bytes are fill, not text";
    EXPECT_EQ(r.shown(ProductRecord::spare1), QString(30, ' '));
    EXPECT_TRUE(isBlankOrUnwritten(r.get(ProductRecord::spare1)));

    // A character outside the code page is one byte too, so later fields stay in place.
    ShoppingItemRecord item;
    item.set(ShoppingItemRecord::item, QStringLiteral("Pie 🥧 with ✓ mark"));
    item.set(ShoppingItemRecord::price, QStringLiteral(" 4.98"));
    EXPECT_EQ(item.get(ShoppingItemRecord::item).left(17), QStringLiteral("Pie ? with ? mark"));
    EXPECT_EQ(item.get(ShoppingItemRecord::price), QStringLiteral(" 4.98 "));
}
