#include "support/MainWindowFixture.h"

using namespace data;
using ui::Answer;

class ShoppingListWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        TempFolder::write("grocery.dat",
                          bytesOf(std::vector{product("Milk", "2.49", "02 Dairy"), product("Salt", "", "Spices"),
                                              product("Bread", "2.00", "10 Bakery")}));
    }
};

TEST_F(ShoppingListWindowTest, AddWithF2OrADoubleClickThatAsksTheQuantity)
{
    start();
    selectProducts({1, 2}); // Milk, Salt (rows are Bread, Milk, Salt)
    key(Qt::Key_F2);
    ASSERT_EQ(items().size(), 2u);
    EXPECT_EQ(text("listlbl"), "grocery ($2.49)") << "Salt has no price of its own: 0, not the one before";
    EXPECT_TRUE(enabled("clearlistcmd"));
    selectProducts({1});
    click("foodoncmd");
    EXPECT_EQ(items().size(), 3u) << "no duplicate check";

    dialogs.type("two", "Enter a quantity...", ui::Title::application())
        .ok("Bad entry")
        .type("1.25") // a number, but not one that fits the field
        .ok("Bad entry")
        .type("999") // a price the field cannot hold
        .ok("Bad entry  2487.51 does not fit the 6 characters a price is stored in.  "
            "The largest price with cents is 999.99.")
        .type("2", "Enter a quantity...");
    doubleClickProduct(1);
    EXPECT_EQ(dialogs.boxes()[0].defaultAnswer, "2");
    ASSERT_EQ(items().size(), 4u);
    EXPECT_EQ(items()[3].get(ShoppingItemRecord::price), " 4.98 ");
    EXPECT_EQ(state.addMode, model::AddMode::Plain);
    dialogs.type("");
    doubleClickProduct(0);
    EXPECT_EQ(items().size(), 4u) << "Cancel adds nothing";
}

TEST_F(ShoppingListWindowTest, RemoveTakesTheSelectedItemNotItsFirstNamesakeAndClearAsksFirst)
{
    std::vector list{listItem("Milk", " 2.49", "1"), listItem("Bread", " 2", "1"),
                     listItem("Milk", " 4.98", "2", "", ".50")};
    TempFolder::write("grocery.lst", bytesOf(list));
    start();
    shoppingView()->clearSelection();
    dialogs.ok("Select an item", ui::Title::own("Remove..."));
    click("foodoffcmd");

    selectShoppingRow(2); // (2) Milk (coupon .50)
    click("foodoffcmd");
    const QByteArray kept = bytesOf(std::vector{list[0], list[1]});
    EXPECT_EQ(TempFolder::read("grocery.lst"), kept);
    EXPECT_EQ(shoppingView()->currentIndex().row(), 0) << "no row left at that position: the first";
    EXPECT_FALSE(find<QWidget>("coupontotalcmd")->isVisible());

    const QString question = "Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?";
    dialogs.answer(Answer::No, question, ui::Title::own("Confirm"));
    click("clearlistcmd");
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(TempFolder::read("grocery.lst"), kept);
    dialogs.answer(Answer::Yes, question);
    click("clearlistcmd");
    EXPECT_EQ(TempFolder::read("grocery.lst"), QByteArray());
    EXPECT_EQ(text("listlbl"), "grocery ($)");
    EXPECT_FALSE(enabled("clearlistcmd") || enabled("foodoffcmd") || enabled("printlistcmd"));
}

TEST_F(ShoppingListWindowTest, OrdersCouponsCostAndChangesThatMayRename)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("bread", " 2", "1", "10 Bakery"),
                                                         listItem("Milk", " 4.98", "2", "02 Dairy", "  .5"),
                                                         listItem("Jam", "3.00", "0", "05 Spreads")}));
    start();
    find<QAbstractButton>("sortcat")->setChecked(true); // as the keyboard's arrow does
    EXPECT_EQ(shoppingRows(), (QStringList{"(2) Milk (coupon .50)   (02 Dairy)", "(0) Jam   (05 Spreads)",
                                           "     bread   (10 Bakery)"}));
    click("alphasort");
    EXPECT_EQ(shoppingRows()[1], "(2) Milk (coupon .50)");
    EXPECT_EQ(find<QAbstractButton>("coupontotalcmd")->text(), "Coupon savings = $.50");
    selectShoppingRow(1);
    EXPECT_EQ(text("costlbl"), "4.48");

    dialogs.type("3", "Enter a NEW quantity for Milk" + QString(36, ' '))
        .type("Skim Milk", "Modify the item information for Milk");
    doubleClickShoppingRow(1);
    EXPECT_EQ(shoppingRows()[1], "(3) Skim Milk (coupon .50)");
}
