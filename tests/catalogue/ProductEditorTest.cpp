#include "EditorFixture.h"

using namespace data;
using catalogue::buildProduct;
using ui::Answer;

namespace {
const QString kAddNow = QStringLiteral("Add this item to your Shopping List now?");
} // namespace

TEST_F(ProductEditorTest, NewProductChecksItsBoxesAndGoesOntoTheShoppingList)
{
    start();
    EditorControls f = open("addfoodcmd");
    EXPECT_TRUE(f.categorycmd->isHidden());
    EXPECT_EQ(f.Combo1->currentText(), "") << "nothing picked or edited yet";
    f.fatchk->click();
    EXPECT_FALSE(f.savecmd->isEnabled()) << "a check box is not an edit";
    dialogs.ok(catalogue::pantadd::aisleNote()).ok(catalogue::pantadd::aisleInfo());
    f.Command1->click();
    f.aisleinfocmd->click();
    for (const auto& box : dialogs.boxes())
        EXPECT_EQ(box.title, ui::Title::own("Using Aisle Numbers"));
    EXPECT_TRUE(dialogs.boxes()[0].text.contains("\r\nAisle numbers should be added in the format ##.## .\r\n"));

    dialogs.ok("Enter numbers only");
    typeInto(f.aisletxt, "12b", f.itemtxt);
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_EQ(f.aisletxt->text(), "");
    EXPECT_TRUE(f.aisletxt->hasFocus());
    typeInto(f.aisletxt, "3", f.itemtxt);
    EXPECT_EQ(f.aisletxt->text(), "03.00");

    // The box shows the price as it will be stored: rounded to the field, never cut.
    const std::pair<QString, QString> prices[] = {{"0.5", ".50"}, {"1234.56", "1234.6"}, {"  ", ".00"}};
    for (const auto& [typed, shown] : prices) {
        typeInto(f.pricetxt, typed, f.itemtxt);
        EXPECT_EQ(f.pricetxt->text(), shown) << typed.toStdString();
    }
    EXPECT_TRUE(f.savecmd->isEnabled() && f.addmorecmd->isEnabled());
    dialogs.ok("Bad entry.").ok("Bad entry.");
    typeInto(f.pricetxt, "abc", f.itemtxt);
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Error"));
    EXPECT_EQ(f.pricetxt->text(), "abc");
    EXPECT_TRUE(f.pricetxt->hasFocus());
    typeInto(f.pricetxt, "abc", f.itemtxt); // and again until it is mended

    // Saving needs a name, and a price that is a number even when the box is not left.
    dialogs.ok("Missing data.").ok("Bad entry.").ok("Missing data.  Each box must be filled.");
    f.savecmd->click();
    f.itemtxt->setText("Tea");
    f.savecmd->click();
    EXPECT_TRUE(f.pricetxt->hasFocus());
    f.itemtxt->clear();
    f.pricetxt->clear();
    f.addmorecmd->click();
    EXPECT_EQ(f.pricetxt->text(), ".00");

    typeInto(f.pricetxt, "1.25", f.Combo1);
    typeInto(f.Combo1, "frozen foods", f.itemtxt);
    EXPECT_EQ(f.Combo1->currentText(), "Frozen Foods");
    typeInto(f.itemtxt, "  frozen peas 16 oz ", f.fatchk);
    EXPECT_EQ(f.itemtxt->text(), "Frozen Peas 16 Oz");
    const QString quantity = "Enter a quantity for Frozen Peas 16 Oz.";
    dialogs.answer(Answer::Yes, kAddNow).type("two", quantity).ok("Bad entry").type("2", quantity);
    const size_t asked = dialogs.boxes().size();
    QTest::mouseClick(f.savecmd, Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes()[asked].title, ui::Title::none());
    EXPECT_EQ(dialogs.boxes()[asked].defaultButton, Answer::No);
    EXPECT_EQ(dialogs.boxes()[asked + 1].title, ui::Title::application());
    EXPECT_EQ(dialogs.boxes()[asked + 1].defaultAnswer, "1");

    EXPECT_EQ(products().back(),
              buildProduct({"Frozen Peas 16 Oz", "1.25", "Frozen Foods", "03.00", true, false}, true));
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Frozen Peas 16 Oz", "Milk", "Salt"})) << "rebuilt on return";
    EXPECT_EQ(shoppingRows(), (QStringList{"(2) Frozen Peas 16 Oz"}));
}

TEST_F(ProductEditorTest, SaveAndAddAnotherThenReturnWithNoSaveRebuildsNothing)
{
    start();
    EditorControls f = open("addfoodcmd");
    f.itemtxt->setText("Jam");
    f.Combo1->setEditText("Spreads");
    f.aisletxt->setText("04.00");
    f.carbchk->setChecked(true);
    dialogs.answer(Answer::No, kAddNow);
    f.addmorecmd->click();
    EXPECT_EQ(dialogs.last().defaultButton, Answer::Yes);
    EXPECT_EQ(f.itemtxt->text() + f.pricetxt->text(), "");
    EXPECT_FALSE(f.savecmd->isEnabled() || f.addmorecmd->isEnabled());
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
    EXPECT_TRUE(recordsIn<ShoppingItemRecord>("grocery.lst").empty()) << "an empty quantity adds nothing";

    f.quitcmd->click();
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Milk", "Salt"})) << "nothing rebuilt";

    // The close box and Esc mean the same; every opening gets a fresh editor.
    EXPECT_EQ(open("addfoodcmd").aisletxt->text(), "");
    EXPECT_FALSE(editor()->close()) << "hidden, not unloaded";
    EXPECT_FALSE(editorShowing());
    QTest::keyClick(open("addfoodcmd").itemtxt, Qt::Key_F1);
    EXPECT_TRUE(editorShowing());
    QTest::keyClick(EditorControls(editor()).itemtxt, Qt::Key_Escape);
    EXPECT_FALSE(editorShowing());
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
    EditorControls f = open("editfoodcmd");
    EXPECT_TRUE(f.aisletxt->isHidden() && f.aislelbl->isHidden() && f.Command1->isHidden());
    EXPECT_FALSE(f.categorycmd->isHidden());
    EXPECT_FALSE(f.savecmd->isEnabled()) << "loading the product is not an edit";

    typeInto(f.itemtxt, "rye bread", f.pricetxt); // the rest as loaded
    EXPECT_FALSE(f.addmorecmd->isEnabled()) << "edit mode saves and returns only";
    f.savecmd->click();
    EXPECT_EQ(products()[1], buildProduct({"Rye Bread", "2.00", "Bakery", "", false, true}, false));
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Rye Bread"}));
}

TEST_F(ProductEditorTest, CategoryPreselectionAndRename)
{
    start();
    auto* categories = find<QListWidget>("Combo1");
    categories->setCurrentItem(categories->findItems("02.00 Dairy", Qt::MatchExactly).value(0));
    auto f = std::make_unique<EditorControls>(open("addfoodcmd"));
    EXPECT_EQ(f->Combo1->currentText(), "02.00 Dairy");
    EXPECT_FALSE(f->savecmd->isEnabled()) << "the preselection is not an edit";
    f->quitcmd->click();
    click("allcmd");
    f = std::make_unique<EditorControls>(open("addfoodcmd"));
    EXPECT_EQ(f->Combo1->currentText(), "02.00 Dairy") << "still after going back to All";
    f->quitcmd->click();

    // A rename from the editor closes it without saving what else was changed.
    selectProducts({0}); // Bread
    f = std::make_unique<EditorControls>(open("editfoodcmd"));
    f->itemtxt->setText("Changed But Not Saved");
    dialogs.type("01.00 bakery", "Type a name to replace Bakery")
        .answer(Answer::Ok, "Change all Bakery records to 01.00 Bakery?")
        .ok("Category changed");
    f->categorycmd->click();
    EXPECT_EQ(dialogs.boxes()[1].title, ui::Title::own("Confirm..."));
    EXPECT_EQ(dialogs.boxes()[2].title, ui::Title::none());
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(products()[1], product("Bread", "2.00", "01.00 Bakery", false, true));
    f = std::make_unique<EditorControls>(open("addfoodcmd"));
    EXPECT_EQ(f->Combo1->currentText(), "01.00 Bakery") << "the category of the last product edited";
    f->quitcmd->click();

    selectProducts({2}); // Salt, no category
    f = std::make_unique<EditorControls>(open("editfoodcmd"));
    EXPECT_EQ(f->Combo1->currentText(), "") << "shown without a category, not with another's";
    f->savecmd->setEnabled(true);
    f->savecmd->click();
    EXPECT_EQ(products()[2].text(ProductRecord::category), "Miscellaneous");
}
