#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Dialogs;
}

namespace catalogue {

class pantadd;

// The catalogue commands of the main window: New and Edit (the product editor), Delete and
// price stripping on F10.
class CatalogueCommands : public QObject
{
    Q_OBJECT

public:
    CatalogueCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QWidget* window);
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
    pantadd* editor() const;

signals:
    // The editor is about to open: the rows to select again afterwards are remembered now.
    void editorOpening();
    // The editor has closed; the main window takes over again.
    void editorClosed();

private:
    void openEditor();

    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
    QWidget* window_;
    QPointer<pantadd> editor_;
};

} // namespace catalogue
