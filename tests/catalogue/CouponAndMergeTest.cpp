#include "support/MainWindowFixture.h"

#include "catalogue/MergeCommands.h"

using namespace data;
using ui::Answer;

// One session: the coupons of the Shopping List, then products in and out through a merge file.
TEST_F(MainWindowTest, CouponsThenImportAndExport)
{
    const std::vector local{product("Milk", "2.49", "Dairy"), product("Bread", "2.00", "Bakery")};
    TempFolder::write("grocery.dat", bytesOf(local));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 4.98", "2", "Dairy"),
                                                         listItem("Bread", " 2", "1", "", ".50"),
                                                         listItem("Jam", "3.00", "1", "", "1")}));
    const auto importEnabled = [this] { return window->findChild<QAction*>("mergecmd")->isEnabled(); };
    const std::vector merge{product("MILK ", "9.99"), product("Tea", "1.50", "Drinks"), product("Soap")};
    TempFolder::write("grocery.mrg", bytesOf(merge));
    start(); // rows: Bread, Jam, Milk
    selectShoppingRow(-1);
    dialogs.ok("Select product with left mouse before right-clicking.", ui::Title::application());
    rightClickShoppingList();

    selectShoppingRow(2); // Milk
    rightClickShoppingList();
    auto* panel = find<QWidget>("couponpanel");
    auto* value = find<QLineEdit>("valuetxt");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(value->hasFocus());
    // Refused values keep the panel open for another one and write nothing.
    const QString milkCoupon = items()[0].get(ShoppingItemRecord::coupon);
    for (const auto& [typed, told] :
         {std::pair<QString, QString>{"-5", "Bad entry"},
          {"99999.99", "Bad entry  99999.99 does not fit the 6 characters a coupon is stored in.  "
                       "The largest coupon with cents is 999.99."}}) {
        value->setText(typed);
        dialogs.ok(told);
        click("okcmd");
        EXPECT_TRUE(panel->isVisible()) << typed.toStdString();
        EXPECT_EQ(items()[0].get(ShoppingItemRecord::coupon), milkCoupon);
    }
    value->clear();
    QTest::keyClicks(value, "1234.5"); // shown on leaving the box as its rules' test says
    click("okcmd");
    EXPECT_EQ(items()[0].get(ShoppingItemRecord::coupon), "1234.5");
    EXPECT_EQ(text("listlbl"), "grocery ($-1226.02)");

    selectShoppingRow(0); // Bread
    rightClickShoppingList();
    EXPECT_EQ(value->text(), ".50");
    value->setText("2");
    click("cancelcmd");
    EXPECT_EQ(items()[1].get(ShoppingItemRecord::coupon), ".50   ") << "Cancel writes nothing";

    rightClickShoppingList();
    value->clear();
    click("delcouponcmd");
    EXPECT_TRUE(panel->isVisible()) << "Remove with an empty box does nothing";
    value->setText(".50");
    click("delcouponcmd");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(items()[1].get(ShoppingItemRecord::coupon), "      ");

    dialogs.ok("Milk" + QString(36, ' ') + "  1234.50\r\nJam" + QString(37, ' ') + "  1.00\r\n",
               ui::Title::own("Coupons..."));
    click("coupontotalcmd");

    EXPECT_TRUE(importEnabled());
    const QString question = "Import data to grocery.dat?";
    dialogs.answer(Answer::No, question, ui::Title::own("Confirm.."));
    trigger("mergecmd");
    EXPECT_TRUE(TempFolder::exists("grocery.mrg"));

    dialogs.answer(Answer::Yes, question).ok(" 2 items imported.", ui::Title::none());
    trigger("mergecmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(std::vector{local[0], local[1], merge[1], merge[2]}));
    EXPECT_FALSE(importEnabled());
    EXPECT_EQ(productRows().size(), 4);

    dialogs.answer(Answer::Yes).ok("Merge file not found.");
    click("importbutton");
    TempFolder::write("grocery.mrg", bytesOf(std::vector{product("soap")}));
    dialogs.answer(Answer::Yes).ok("No new items found.");
    click("importbutton");
    EXPECT_FALSE(TempFolder::exists("grocery.mrg"));

    const QByteArray products = TempFolder::read("grocery.dat");
    QTemporaryDir stick;
    bool ready = false;
    window->findChild<catalogue::MergeCommands*>()->setVolumeFinder([&] { return ready ? stick.path() : QString(); });
    const QString created = "File created: grocery.mrg\nShould I move the file to floppy drive A:\\ ?";
    const QString place = "Place diskette in drive A: and click OK when ready.";

    dialogs.answer(Answer::Yes, created, ui::Title::none())
        .answer(Answer::Ok, place)
        .answer(Answer::Ok, "Drive does not appear to be ready.")
        .answer(Answer::Cancel, place);
    click("exportbutton");
    EXPECT_EQ(dialogs.boxes()[dialogs.boxes().size() - 2].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(TempFolder::read("grocery.mrg"), products) << "kept where it was made";

    ready = true;
    dialogs.answer(Answer::Yes, created).answer(Answer::Ok, place).ok("File copied successfully");
    trigger("exportcmd");
    EXPECT_FALSE(TempFolder::exists("grocery.mrg"));
    EXPECT_EQ(TempFolder::read(stick.filePath("grocery.mrg")), products);
}
