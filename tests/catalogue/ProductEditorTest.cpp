#include "EditorFixture.h"

#include "app/ProductListPanel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>

using namespace data;
using catalogue::buildProduct;
using ui::Answer;

namespace {
const QString kAddNow = QStringLiteral("Add this item to your Shopping List now?");
} // namespace

class ProductEditorTest : public EditorTest
{
protected:
    void SetUp() override
    {
        TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "02.00 Dairy"),
                                                             product("Bread", "2.00", "Bakery", false, true),
                                                             product("Salt", "", "")}));
    }
    std::vector<ProductRecord> products() const { return recordsIn<ProductRecord>("grocery.dat"); }
    std::vector<ShoppingItemRecord> items() const { return recordsIn<ShoppingItemRecord>("grocery.lst"); }
    void pickCategory(const QString& name)
    {
        auto* box = find<QListWidget>("Combo1");
        box->setCurrentItem(box->findItems(name, Qt::MatchExactly).value(0));
    }
};

TEST_F(ProductEditorTest, NewProductWithAisleGoesOntoTheShoppingList)
{
    start();
    Ui::pantadd& f = open("addfoodcmd");
    EXPECT_EQ(editor()->windowTitle(), "Product List Entry");
    EXPECT_FALSE(f.savecmd->isEnabled());
    EXPECT_FALSE(f.addmorecmd->isEnabled());
    EXPECT_TRUE(f.categorycmd->isHidden());
    EXPECT_EQ(f.Combo1->currentText(), "") << "nothing picked or edited yet";
    EXPECT_EQ(editor()->windowModality(), Qt::WindowModal) << "the main window takes no input meanwhile";

    f.fatchk->click();
    EXPECT_FALSE(f.savecmd->isEnabled()) << "a check box is not an edit";
    typeInto(f.itemtxt, "  frozen peas 16 oz ", f.pricetxt);
    EXPECT_EQ(f.itemtxt->text(), "Frozen Peas 16 Oz");
    EXPECT_TRUE(f.savecmd->isEnabled());
    EXPECT_TRUE(f.addmorecmd->isEnabled());
    typeInto(f.pricetxt, "1.25", f.Combo1);
    EXPECT_EQ(f.pricetxt->text(), "1.25");
    typeInto(f.Combo1, "frozen foods", f.aisletxt);
    EXPECT_EQ(f.Combo1->currentText(), "Frozen Foods");
    typeInto(f.aisletxt, "3", f.fatchk);
    EXPECT_EQ(f.aisletxt->text(), "03.00");

    dialogs.answer(Answer::Yes, kAddNow)
        .type("two", "Enter a quantity for Frozen Peas 16 Oz.")
        .ok("Bad entry")
        .type("2", "Enter a quantity for Frozen Peas 16 Oz.");
    QTest::mouseClick(f.savecmd, Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes()[0].title, ui::Title::none());
    EXPECT_EQ(dialogs.boxes()[0].icon, ui::Icon::Question);
    EXPECT_EQ(dialogs.boxes()[0].defaultButton, Answer::No);
    EXPECT_EQ(dialogs.boxes()[1].defaultAnswer, "1");
    EXPECT_EQ(dialogs.boxes()[1].title, ui::Title::application());

    ASSERT_EQ(products().size(), 4u);
    const ProductRecord added = products()[3];
    EXPECT_EQ(added, buildProduct({"Frozen Peas 16 Oz", "1.25", "Frozen Foods", "03.00", true, false}, true));
    EXPECT_EQ(added.text(ProductRecord::category), "03.00 Frozen Foods");
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].get(ShoppingItemRecord::price), "2.50  ");
    EXPECT_EQ(items()[0].text(ShoppingItemRecord::quantity), "2");

    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Frozen Peas 16 Oz", "Milk", "Salt"})) << "rebuilt on return";
    EXPECT_EQ(shoppingRows(), (QStringList{"(2) Frozen Peas 16 Oz"}));
    EXPECT_EQ(state.ProductsAdded, 0);
}

TEST_F(ProductEditorTest, LeavingBoxesChecksAndReformats)
{
    start();
    Ui::pantadd& f = open("addfoodcmd");
    const std::pair<QString, QString> prices[] = {{"3", "3.00"}, {"0.5", ".50"}, {"1234.5", "1234.50"}, {"  ", ".00"}};
    for (const auto& [typed, shown] : prices) {
        typeInto(f.pricetxt, typed, f.itemtxt);
        EXPECT_EQ(f.pricetxt->text(), shown) << typed.toStdString();
    }
    dialogs.ok("Bad entry.");
    typeInto(f.pricetxt, "abc", f.itemtxt);
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Error"));
    EXPECT_EQ(f.pricetxt->text(), "abc");
    EXPECT_TRUE(f.pricetxt->hasFocus());
    dialogs.ok("Bad entry.");
    leave(f.pricetxt, f.itemtxt);
    typeInto(f.pricetxt, "2", f.itemtxt);
    EXPECT_EQ(f.pricetxt->text(), "2.00");

    dialogs.ok("Enter numbers only");
    typeInto(f.aisletxt, "12b", f.itemtxt);
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_EQ(f.aisletxt->text(), "");
    EXPECT_TRUE(f.aisletxt->hasFocus());
    typeInto(f.aisletxt, "12.5", f.itemtxt);
    EXPECT_EQ(f.aisletxt->text(), "12.50");

    // Saving needs a name and a price that is a number.
    dialogs.ok("Missing data.");
    f.savecmd->click();
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Error"));
    f.itemtxt->setText("Tea");
    f.pricetxt->setText("abc"); // never left: refused on saving all the same
    dialogs.ok("Bad entry.");
    f.savecmd->click();
    EXPECT_TRUE(editorShowing());
    EXPECT_TRUE(f.pricetxt->hasFocus());
    EXPECT_EQ(products().size(), 3u);

    dialogs.ok("Missing data.  Each box must be filled.");
    f.itemtxt->clear();
    f.pricetxt->clear();
    f.addmorecmd->click();
    EXPECT_EQ(f.pricetxt->text(), ".00");
    EXPECT_EQ(products().size(), 3u);
}

TEST_F(ProductEditorTest, SaveAndAddAnotherThenReturnWithNoSaveRebuildsNothing)
{
    start();
    Ui::pantadd& f = open("addfoodcmd");
    f.itemtxt->setText("Jam");
    f.Combo1->setEditText("Spreads");
    f.aisletxt->setText("04.00");
    f.carbchk->setChecked(true);
    dialogs.answer(Answer::No, kAddNow);
    f.addmorecmd->click();
    EXPECT_EQ(dialogs.last().defaultButton, Answer::Yes);
    EXPECT_EQ(f.itemtxt->text(), "");
    EXPECT_EQ(f.pricetxt->text(), "");
    EXPECT_FALSE(f.savecmd->isEnabled());
    EXPECT_FALSE(f.addmorecmd->isEnabled());
    EXPECT_EQ(f.Combo1->currentText(), "Spreads") << "the category, the marks and the aisle stay";
    EXPECT_TRUE(f.carbchk->isChecked());
    EXPECT_EQ(f.aisletxt->text(), "04.00");

    f.itemtxt->setText("Honey");
    f.pricetxt->setText("3.10");
    dialogs.answer(Answer::Yes, kAddNow).type("", "Enter a quantity for Honey.");
    f.addmorecmd->click();

    const auto saved = products();
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[3], buildProduct({"Jam", ".00", "Spreads", "", false, true}, false)) << "no aisle prefix";
    EXPECT_EQ(saved[4].text(ProductRecord::item), "Honey");
    EXPECT_EQ(state.ProductCount, 5);
    EXPECT_TRUE(items().empty()) << "an empty quantity adds nothing";

    f.quitcmd->click();
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(state.ProductsAdded, 0);
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Milk", "Salt"})) << "nothing rebuilt";
}

TEST_F(ProductEditorTest, EditRewritesTheProductInPlace)
{
    ProductRecord bread = product("Bread", "2.00", "Bakery", false, true);
    bread.set(ProductRecord::spare1, u"old");
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "02.00 Dairy"), bread}));
    start();
    productView()->selectionModel()->clear();
    productView()->setCurrentIndex({});
    dialogs.ok("Select an item.");
    click("editfoodcmd");
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Inventory"));
    EXPECT_EQ(editor(), nullptr);

    selectProducts({1, 0}); // Milk and Bread, Bread current
    Ui::pantadd& f = open("editfoodcmd");
    EXPECT_EQ(state.EditRecord, 2);
    EXPECT_EQ(f.itemtxt->text(), "Bread");
    EXPECT_EQ(f.pricetxt->text(), "2.00");
    EXPECT_TRUE(f.carbchk->isChecked());
    EXPECT_FALSE(f.fatchk->isChecked());
    EXPECT_EQ(f.Combo1->currentText(), "Bakery");
    EXPECT_TRUE(f.aisletxt->isHidden());
    EXPECT_TRUE(f.aislelbl->isHidden());
    EXPECT_TRUE(f.Command1->isHidden());
    EXPECT_FALSE(f.categorycmd->isHidden());
    EXPECT_FALSE(f.savecmd->isEnabled()) << "loading the product is not an edit";
    EXPECT_EQ(state.EditorCategory, "Bakery");

    typeInto(f.itemtxt, "rye bread", f.pricetxt);
    EXPECT_FALSE(f.addmorecmd->isEnabled()) << "edit mode saves and returns only";
    f.savecmd->click();
    const auto saved = products();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1], buildProduct({"Rye Bread", "2.00", "Bakery", "", false, true}, false));
    EXPECT_EQ(saved[1].get(ProductRecord::spare1), QString(30, QChar(0)));
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Rye Bread"}));
}

TEST_F(ProductEditorTest, CategoryPreselection)
{
    start();
    pickCategory("02.00 Dairy");
    Ui::pantadd* f = &open("addfoodcmd");
    EXPECT_EQ(f->Combo1->currentText(), "02.00 Dairy");
    EXPECT_FALSE(f->savecmd->isEnabled()) << "the preselection is not an edit";
    f->quitcmd->click();
    click("allcmd");
    f = &open("addfoodcmd");
    EXPECT_EQ(f->Combo1->currentText(), "02.00 Dairy") << "still after going back to All";
    f->quitcmd->click();

    selectProducts({0}); // Bread
    f = &open("editfoodcmd");
    f->quitcmd->click();
    f = &open("addfoodcmd");
    EXPECT_EQ(f->Combo1->currentText(), "Bakery");
    QStringList entries;
    for (int i = 0; i < f->Combo1->count(); ++i)
        entries << f->Combo1->itemText(i);
    EXPECT_EQ(entries, (QStringList{"02.00 Dairy", "Bakery"}));
    f->quitcmd->click();

    selectProducts({2}); // Salt, no category
    f = &open("editfoodcmd");
    EXPECT_EQ(f->Combo1->currentText(), "") << "shown without a category, not with another's";
    f->savecmd->setEnabled(true);
    f->savecmd->click();
    EXPECT_EQ(products()[2].text(ProductRecord::category), "Miscellaneous");
}

TEST_F(ProductEditorTest, CloseBoxIsReturnWithNoSave)
{
    start();
    Ui::pantadd& f = open("addfoodcmd");
    f.itemtxt->setText("Tea");
    EXPECT_FALSE(editor()->close()) << "hidden, not unloaded";
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(state.ProductsAdded, 0);
    EXPECT_EQ(products().size(), 3u);
    EXPECT_TRUE(window->isActiveWindow() || QTest::qWaitForWindowActive(window.get()));

    Ui::pantadd& again = open("addfoodcmd");
    EXPECT_EQ(again.itemtxt->text(), "") << "a fresh editor every time";
    QTest::keyClick(again.itemtxt, Qt::Key_F1);
    EXPECT_TRUE(editorShowing());
    QTest::keyClick(again.itemtxt, Qt::Key_Escape);
    EXPECT_FALSE(editorShowing());
}

TEST_F(ProductEditorTest, AisleHelpTexts)
{
    start();
    Ui::pantadd& f = open("addfoodcmd");
    dialogs.ok(catalogue::pantadd::aisleNote()).ok(catalogue::pantadd::aisleInfo());
    f.Command1->click();
    f.aisleinfocmd->click();
    for (const auto& box : dialogs.boxes())
        EXPECT_EQ(box.title, ui::Title::own("Using Aisle Numbers"));
    const QStringList note = dialogs.boxes()[0].text.split("\r\n");
    EXPECT_EQ(note.size(), 10);
    EXPECT_EQ(note[2], "");
    EXPECT_EQ(note[3], "Please note that, if you are adding an aisle number to an existing category which contains ");
    EXPECT_EQ(note[7], "Aisle numbers should be added in the format ##.## .");
    EXPECT_TRUE(dialogs.boxes()[1].text.endsWith(
        "02.1 Fruit canned\r\nMiscellaneous\r\n\r\n(Notice that categories that do not begin with a number are "
        "sorted at the end of the list.)\r\n\r\n"));
}

TEST_F(ProductEditorTest, RenameFromTheEditorClosesItWithoutSaving)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Bread", " 2", "1", "BAKERY")}));
    start();
    selectProducts({0}); // Bread
    Ui::pantadd& f = open("editfoodcmd");
    f.itemtxt->setText("Changed But Not Saved");
    dialogs.type("01.00 bakery", "Type a name to replace Bakery")
        .answer(Answer::Ok, "Change all Bakery records to 01.00 Bakery?")
        .ok("Category changed");
    f.categorycmd->click();
    EXPECT_EQ(dialogs.boxes()[1].title, ui::Title::own("Confirm..."));
    EXPECT_EQ(dialogs.boxes()[2].title, ui::Title::none());
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(products()[1].text(ProductRecord::item), "Bread");
    EXPECT_EQ(products()[1].text(ProductRecord::category), "01.00 Bakery");
    EXPECT_EQ(items()[0].text(ShoppingItemRecord::category), "01.00 Bakery");
    EXPECT_EQ(state.ProductsEdited, 0);
    EXPECT_EQ(state.EditorCategory, "01.00 Bakery");
}
