#pragma once

#include "ProductRules.h"
#include "data/FileResult.h"
#include "data/Records.h"
#include "ui/Dialogs.h"

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantadd;
}
namespace model {
struct SharedState;
}

namespace catalogue {

// The product editor "Product List Entry": creates a product (add mode, ProductsAdded = 1
// when it opens) or changes the product at EditRecord (edit mode, ProductsEdited = 1). It
// writes straight into the product file and leaves ProductsAdded or ProductsEdited at 1 for
// the main window to rebuild its views; "Return with no save" (also Esc and the close box)
// sets both to 0. The main window takes no input while it is open.
class pantadd : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantadd(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~pantadd() override;

    static QString aisleNote();
    static QString aisleInfo();

    // "Return with no save".
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillCategories();
    void enableSave();
    void leaveItem();
    void leavePrice();
    void leaveCategory();
    void leaveAisle();
    // Shows a complaint about a box once the event that left it is over, and puts the
    // focus back into the box. Saving waits until it has been shown.
    void complainLater(QWidget* box, const QString& text, const ui::Title& title);
    // Whether the price box holds a price that can be saved; says so when it does not.
    bool priceIsUsable();
    EditorFields fields() const;

    void saveAndReturn();
    void saveAndAddAnother();
    void renameCategory();
    bool appendProduct(const data::ProductRecord& product);
    void offerShoppingList(ui::Answer defaultButton);

    std::unique_ptr<Ui::pantadd> form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    bool addMode_;
    bool complaintPending_ = false;
};

} // namespace catalogue
