#include "catalogue/ProductRules.h"
#include "catalogue/pantadd.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace data;
using catalogue::buildProduct;
using ui::Answer;

namespace {
const QString kAddNow = QStringLiteral("Add this item to your Shopping List now?");

// The editor's controls, found by name.
struct EditorControls
{
    template<class T> T* get(const char* name) const { return MainWindowTest::child<T>(editor, name); }
    QWidget* editor;
    QLineEdit *itemtxt = get<QLineEdit>("itemtxt"), *pricetxt = get<QLineEdit>("pricetxt");
    QLineEdit* aisletxt = get<QLineEdit>("aisletxt");
    QComboBox* Combo1 = get<QComboBox>("Combo1");
    QCheckBox *fatchk = get<QCheckBox>("fatchk"), *carbchk = get<QCheckBox>("carbchk");
    QPushButton *savecmd = get<QPushButton>("savecmd"), *addmorecmd = get<QPushButton>("addmorecmd");
    QPushButton *quitcmd = get<QPushButton>("quitcmd"), *categorycmd = get<QPushButton>("categorycmd");
};
} // namespace

class ProductEditorTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        ProductRecord bread = product("Bread", "2.00", "Bakery", false, true);
        bread.set(ProductRecord::spare1, u"old"); // the edit rebuilds the record from the boxes
        TempFolder::write("grocery.dat",
                          bytesOf(std::vector{product("Milk", "2.49", "02.00 Dairy"), bread, product("Salt", "", "")}));
    }
    // Clicks New or Edit and waits until the editor is active (and has the focus, so that
    // leaving a box is seen).
    EditorControls open(const char* button)
    {
        click(button);
        catalogue::pantadd* e = editor();
        EXPECT_NE(e, nullptr) << "no editor opened";
        e->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(e));
        QCoreApplication::processEvents();
        return EditorControls{e};
    }
    catalogue::pantadd* editor() const { return window->findChild<catalogue::pantadd*>(); }
    bool editorShowing() const { return editor() && editor()->isVisible(); }
};

TEST_F(ProductEditorTest, NewProductsAreCheckedSavedAndMayGoOntoTheShoppingList)
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
    EXPECT_EQ(f.Combo1->currentText() + f.aisletxt->text(), "Spreads04.00") << "the category and the aisle stay";

    f.itemtxt->setText("Honey");
    f.pricetxt->setText("3.10");
    dialogs.answer(Answer::Yes, kAddNow).type("", "Enter a quantity for Honey.");
    f.addmorecmd->click();
    EXPECT_EQ(products()[3], buildProduct({"Jam", ".00", "Spreads", "", false, true}, false)) << "no aisle prefix";
    EXPECT_TRUE(items().empty()) << "an empty quantity adds nothing";

    f.quitcmd->click();
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Milk", "Salt"})) << "nothing rebuilt";

    // The close box and Esc mean the same; every opening gets a fresh editor.
    EXPECT_EQ(open("addfoodcmd").aisletxt->text(), "");
    editor()->close();
    EXPECT_TRUE(editor() && !editorShowing()) << "hidden, not unloaded";
    QTest::keyClick(open("addfoodcmd").itemtxt, Qt::Key_Escape);
    EXPECT_FALSE(editorShowing());

    // A fresh editor: a check box is not an edit.
    f = open("addfoodcmd");
    f.fatchk->click();
    EXPECT_FALSE(f.savecmd->isEnabled());
    const ui::Title aisles = ui::Title::own("Using Aisle Numbers");
    dialogs.ok(catalogue::pantadd::aisleNote(), aisles).ok(catalogue::pantadd::aisleInfo(), aisles);
    f.get<QPushButton>("Command1")->click();
    f.get<QPushButton>("aisleinfocmd")->click();

    dialogs.ok("Enter numbers only", ui::Title::none());
    typeInto(f.aisletxt, "12b", f.itemtxt);
    EXPECT_EQ(f.aisletxt->text(), "");
    EXPECT_TRUE(f.aisletxt->hasFocus());
    typeInto(f.aisletxt, "3", f.itemtxt);
    // The box shows the price as it will be stored; one that does not fit without
    // rounding is refused with what does.
    typeInto(f.pricetxt, "1234.50", f.itemtxt);
    EXPECT_EQ(f.pricetxt->text(), "1234.5");
    dialogs.ok("Bad entry.  1234.56 does not fit the 6 characters a price is stored in.  "
               "The largest price with cents is 999.99.",
               ui::Title::own("Error"));
    typeInto(f.pricetxt, "1234.56", f.itemtxt);
    EXPECT_EQ(f.pricetxt->text(), "1234.56");
    EXPECT_TRUE(f.pricetxt->hasFocus());

    dialogs.ok("Bad entry.", ui::Title::own("Error"));
    typeInto(f.pricetxt, "abc", f.itemtxt);
    EXPECT_EQ(f.pricetxt->text(), "abc");
    EXPECT_TRUE(f.pricetxt->hasFocus());

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
    typeInto(f.itemtxt, "  frozen peas 16 oz ", f.fatchk);
    const QString quantity = "Enter a quantity for Frozen Peas 16 Oz.";
    dialogs.answer(Answer::Yes, kAddNow, ui::Title::none())
        .type("two", quantity, ui::Title::application())
        .ok("Bad entry")
        .type("2", quantity);
    QTest::mouseClick(f.savecmd, Qt::LeftButton);
    EXPECT_EQ(dialogs.boxes()[dialogs.boxes().size() - 4].defaultButton, Answer::No);
    EXPECT_EQ(products().back(),
              buildProduct({"Frozen Peas 16 Oz", "1.25", "Frozen Foods", "03.00", true, false}, true));
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(productRows().size(), 6) << "rebuilt on return";
    EXPECT_EQ(shoppingRows(), (QStringList{"(2) Frozen Peas 16 Oz"}));
}

TEST_F(ProductEditorTest, EditRewritesInPlaceAndTheCategoryFollowsTheLastProduct)
{
    start();
    productView()->selectionModel()->clear();
    productView()->setCurrentIndex({});
    dialogs.ok("Select an item.", ui::Title::own("Inventory"));
    click("editfoodcmd");
    EXPECT_EQ(editor(), nullptr);

    auto* categories = find<QListWidget>("Combo1");
    categories->setCurrentItem(categories->findItems("02.00 Dairy", Qt::MatchExactly).value(0));
    EditorControls f = open("addfoodcmd");
    EXPECT_EQ(f.Combo1->currentText(), "02.00 Dairy");
    EXPECT_FALSE(f.savecmd->isEnabled()) << "the preselection is not an edit";
    f.quitcmd->click();
    click("allcmd");
    EXPECT_EQ(open("addfoodcmd").Combo1->currentText(), "02.00 Dairy") << "still after going back to All";
    editor()->close();

    selectProducts({1, 0}); // Milk and Bread, Bread current
    f = open("editfoodcmd");
    EXPECT_TRUE(f.aisletxt->isHidden() && f.get<QPushButton>("Command1")->isHidden() && !f.categorycmd->isHidden());
    EXPECT_FALSE(f.savecmd->isEnabled()) << "loading the product is not an edit";
    typeInto(f.itemtxt, "rye bread", f.pricetxt); // the rest as loaded
    EXPECT_FALSE(f.addmorecmd->isEnabled()) << "edit mode saves and returns only";
    f.savecmd->click();
    EXPECT_EQ(products()[1], buildProduct({"Rye Bread", "2.00", "Bakery", "", false, true}, false));
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Rye Bread", "Salt"}));

    // A rename from the editor closes it without saving what else was changed.
    selectProducts({1});
    f = open("editfoodcmd");
    f.itemtxt->setText("Changed But Not Saved");
    dialogs.type("01.00 bakery", "Type a name to replace Bakery")
        .answer(Answer::Ok, "Change all Bakery records to 01.00 Bakery?", ui::Title::own("Confirm..."))
        .ok("Category changed", ui::Title::none());
    f.categorycmd->click();
    EXPECT_FALSE(editorShowing());
    EXPECT_EQ(products()[1], product("Rye Bread", "2.00", "01.00 Bakery", false, true));
    EXPECT_EQ(open("addfoodcmd").Combo1->currentText(), "01.00 Bakery") << "the category of the last product edited";
    editor()->close();

    selectProducts({2}); // Salt, no category
    f = open("editfoodcmd");
    EXPECT_EQ(f.Combo1->currentText(), "") << "shown without a category, not with another's (saved as Miscellaneous)";
}
