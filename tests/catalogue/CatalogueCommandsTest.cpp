#include "catalogue/CommonProductData.h"
#include "catalogue/TextExportRules.h"
#include "support/MainWindowFixture.h"

using namespace data;
using ui::Answer;
using ui::Title;

namespace {
const QString kDeleteSelected = QStringLiteral("Delete selected item(s)?");
const QString kEachItem = QStringLiteral("Do you wish to confirm each item for deletion?");
} // namespace

class CatalogueCommandsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        TempFolder::write("grocery.dat", bytesOf(all));
        TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "DAIRY"),
                                                             listItem("Bread", " 2", "1", "Bakery")}));
    }

    const std::vector<ProductRecord> all{product("Milk", "2.49", "Dairy"), product("Bread", "2.00", "Bakery"),
                                         product("Cream", "1.10", "DAIRY"), product("Jam", "3.00", "Spreads"),
                                         product("Tea", "", "Drinks")};
};

TEST_F(CatalogueCommandsTest, DeletionWarnsOnceThenAsksPerItemDownToTheLastProduct)
{
    start();
    productView()->selectionModel()->clear();
    dialogs.ok("No item selected.", Title::own("Oops!"));
    click("delfoodcmd");

    selectProducts({2}); // Jam
    dialogs
        .answer(Answer::No,
                "This is the default master list and is used for any shopping lists that do not have their own "
                "master list.  Deletions here may affect other lists, now and in the future.  Do you wish to proceed??",
                Title::own("WARNING!"))
        .answer(Answer::No, kDeleteSelected, Title::own("Confirm"));
    click("delfoodcmd");
    click("delfoodcmd"); // the warning comes once per opening of the list
    dialogs.answer(Answer::Yes, kDeleteSelected);
    click("delfoodcmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(std::vector{all[0], all[1], all[2], all[4]}));
    EXPECT_EQ(items().size(), 2u) << "the Shopping List is not touched";

    selectProducts({0, 1});
    dialogs.answer(Answer::Cancel, kEachItem, Title::own("?"));
    click("delfoodcmd");
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNoCancel);
    selectProducts({0, 1, 2}); // Bread, Cream, Milk
    dialogs.answer(Answer::Yes, kEachItem)
        .answer(Answer::Yes, "Delete Milk?", Title::own("Confirm"))
        .answer(Answer::No, "Delete Bread?")
        .answer(Answer::Yes, "Delete Cream?");
    click("delfoodcmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(std::vector{all[1], all[4]}));

    find<QLineEdit>("searchtxt")->setText("r"); // Bread
    selectProducts({0});
    dialogs.answer(Answer::Yes, kDeleteSelected);
    click("delfoodcmd");
    EXPECT_EQ(products(), (std::vector{all[4]})) << "no wipe-out question for all the rows shown";
    find<QLineEdit>("searchtxt")->clear();
    selectProducts({0});
    dialogs.answer(Answer::Yes, "This will wipe out this ENTIRE master product list.  Is that what you want to do??")
        .answer(Answer::Yes, kDeleteSelected);
    click("delfoodcmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), QByteArray());
    EXPECT_EQ(text("pricelbl"), "");
    EXPECT_FALSE(enabled("delfoodcmd"));
}

TEST_F(CatalogueCommandsTest, TextExportsCategoryRenameAndF10PriceWipe)
{
    start();
    dialogs.type("cats.doc", "Enter a name for this list file")
        .ok("Bad file Name")
        .type("cats")
        .answer(Answer::Ok, "This will create a text file named cats.txt in your Pantrix folder.",
                Title::own("Export ascii"));
    click("cattotxtcmd");
    EXPECT_EQ(dialogs.boxes()[0].defaultAnswer, ".txt");
    EXPECT_EQ(TempFolder::read("cats.txt"), catalogue::textFileBytes(catalogue::categoryExportLines(
                                                {"Bakery", "Dairy", "Drinks", "Spreads"}, QDate::currentDate())));

    // The note names the folder the file really goes to.
    const QString prompt = "Enter a name for this list file.\r\n   (Note: enter a full path if you wish to place the "
                           "file somewhere other than " +
                           QDir::toNativeSeparators(QDir::currentPath()) + ")";
    dialogs.type("weekly.txt", prompt)
        .ok("Do not enter an extension")
        .type("weekly", prompt)
        .answer(Answer::Ok, "This will create the text file weekly.txt");
    click("printtextcmd");
    EXPECT_EQ(TempFolder::read("weekly.txt"), catalogue::textFileBytes(catalogue::shoppingListExportLines(
                                                  {"     Bread", "     Milk"}, "4.49", QDate::currentDate())));

    const QString missing = QDir::current().filePath("gone/weekly.txt");
    dialogs.type(QDir::current().filePath("gone/weekly"))
        .answer(Answer::Ok, "This will create the text file " + missing)
        .answer(Answer::Ok);
    trigger("printtext");
    EXPECT_TRUE(dialogs.last().text.contains(missing)) << dialogs.last().text.toStdString();
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);

    find<QAbstractButton>("sortcat")->setChecked(true);
    EXPECT_EQ(shoppingRows(), (QStringList{"     Bread   (Bakery)", "     Milk   (DAIRY)"}));
    auto* categories = find<QListWidget>("Combo1");
    categories->setCurrentRow(2); // Dairy
    const QString change = "Change all Dairy records to 03.00 Dairy Products?";
    dialogs.type("03.00 dairy products", "Type a name to replace Dairy").answer(Answer::Cancel, change);
    click("categorycmd");
    EXPECT_EQ(dialogs.boxes()[dialogs.boxes().size() - 2].defaultAnswer, "Dairy");
    EXPECT_EQ(products(), all);

    dialogs.type("Dairy"); // unchanged: nothing asked, nothing done
    click("categorycmd");
    dialogs.type("03.00 dairy products").answer(Answer::Ok, change).ok("Category changed");
    click("categorycmd");
    EXPECT_EQ(products()[0].text(ProductRecord::category), "03.00 Dairy Products");
    EXPECT_EQ(categories->currentItem()->text(), "03.00 Dairy Products") << "still in view";
    EXPECT_EQ(shoppingRows(), (QStringList{"     Milk   (03.00 Dairy Products)", "     Bread   (Bakery)"}))
        << "the Shopping List follows in its order";
    // Cut to the field, the new name no longer matches what is viewed: back to All, where
    // renaming is not offered.
    dialogs.type("03.00 Dairy Products And Cheeses Of All Kinds").answer(Answer::Ok).ok("Category changed");
    click("categorycmd");
    EXPECT_EQ(categories->currentRow(), 0);
    EXPECT_FALSE(enabled("categorycmd") || enabled("allcmd"));

    const QString wipe = "You have pressed the <F10> key. This will erase all product prices in the master list. "
                         "If you REALLY want to do this, type yes in the box below.";
    dialogs.type("y", wipe, Title::own("Confirm Action"));
    key(Qt::Key_F10);
    EXPECT_FALSE(TempFolder::exists("justincase.sav"));

    const QByteArray before = TempFolder::read("grocery.dat");
    dialogs.type("YeS", wipe)
        .ok("This master product file has been backed up to a file named justincase.sav")
        .ok("Done.  Prices have been removed from all products.", Title::none());
    key(Qt::Key_F10);
    EXPECT_EQ(TempFolder::read("justincase.sav"), before);
    EXPECT_EQ(products()[3], product("Jam", "", "Spreads"));
}

TEST_F(MainWindowTest, CommonProductsNoChangesNothingThenAllAreAddedOnce)
{
    const QByteArray all = catalogue::commonProductRecords();
    const QString question = QStringLiteral("Add common products to the Product List?");
    start();
    dialogs.answer(Answer::No, question);
    trigger("commonproductscmd"); // a failed write: see the table of failing commands
    EXPECT_EQ(TempFolder::read("grocery.dat"), QByteArray());

    const int total = int(all.size() / data::ProductRecord::Length);
    dialogs.answer(Answer::Yes, question).ok(QStringLiteral(" %1 items imported.").arg(total), ui::Title::none());
    trigger("commonproductscmd");
    const auto& asked = dialogs.boxes().front();
    EXPECT_TRUE(asked.title == Title::application() && asked.buttons == ui::Buttons::YesNo &&
                asked.icon == ui::Icon::Question);
    EXPECT_EQ(productRows().size(), total);
    EXPECT_GT(find<QListWidget>("Combo1")->count(), 10) << "the categories are shown";
    EXPECT_TRUE(find<QWidget>("foodoncmd")->isEnabled());

    dialogs.answer(Answer::Yes, question).ok("No new items found.");
    trigger("commonproductscmd");
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);
}
