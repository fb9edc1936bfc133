#pragma once

#include <QObject>

#include <memory>

namespace app {
class pantrix1;
}
namespace model {
struct SharedState;
}
namespace ui {
class Dialogs;
}

namespace catalogue {

class pantadd;
class MergeCommands;

// Everything the main window offers to maintain the product catalogue: New and Edit (the
// product editor), Delete, price stripping on F10, and through the classes it creates the
// category commands, the coupon panel, the merge files and the text export.
class CatalogueCommands : public QObject
{
    Q_OBJECT

public:
    CatalogueCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs);
    ~CatalogueCommands() override;

    // Opens the product editor for a new product.
    void newProduct();
    // Opens the product editor for the Product List's current product.
    void editProduct();
    // Deletes the highlighted products.
    void deleteProducts();
    // Erases every product's price after a typed "yes" and a backup.
    void stripPrices();

    // The product editor while it exists (it is hidden, not destroyed, when it closes).
    pantadd* editor() const { return editor_.get(); }
    MergeCommands& merge() const { return *merge_; }

private:
    void openEditor();
    void editorClosed();

    app::pantrix1& window_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    std::unique_ptr<pantadd> editor_;
    MergeCommands* merge_;
};

} // namespace catalogue
