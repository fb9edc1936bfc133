#include "CatalogueCommands.h"

#include "CouponRules.h"
#include "ProductDeletion.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "pantadd.h"
#include "ui/Dialogs.h"

namespace catalogue {

using data::ProductRecord;

CatalogueCommands::CatalogueCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views,
                                     QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , views_(views)
    , window_(window)
{
}

CatalogueCommands::~CatalogueCommands() = default;

void CatalogueCommands::newProduct()
{
    state_.ProductsAdded = true;
    openEditor();
}

void CatalogueCommands::editProduct()
{
    if (state_.ProductCount() == 0)
        return;
    const int record = views_.currentProductRecord();
    if (record == 0) {
        dialogs_.tell(tr("Select an item."), ui::Title::own(tr("Inventory")));
        return;
    }
    if (record > state_.ProductCount()) {
        // The file was shortened by another program since the list was built.
        views_.RebuildProductList();
        return;
    }
    state_.EditRecord = record;
    state_.ProductsEdited = true;
    openEditor();
}

pantadd* CatalogueCommands::editor() const
{
    return editor_;
}

void CatalogueCommands::openEditor()
{
    emit editorOpening();
    ui::openFresh(editor_, state_, dialogs_, window_);
    connect(editor_, &QDialog::finished, this, &CatalogueCommands::editorClosed);
}

void CatalogueCommands::deleteProducts()
{
    if (state_.ProductCount() == 0)
        return;
    const std::vector<int> selected = views_.selectedProductRecords();
    if (selected.empty()) {
        dialogs_.tell(tr("No item selected."), ui::Title::own(tr("Oops!")));
        return;
    }
    const ui::Title confirm = ui::Title::own(tr("Confirm"));
    if (isDefaultProductFile(state_.ProductFile) && !state_.DefaultListWarned) {
        const ui::Answer proceed =
            dialogs_.ask(tr("This is the default master list and is used for any shopping lists that do not have "
                            "their own master list.  Deletions here may affect other lists, now and in the future.  "
                            "Do you wish to proceed??"),
                         ui::Title::own(tr("WARNING!")), ui::Buttons::YesNo, ui::Icon::Exclamation);
        state_.DefaultListWarned = true;
        if (proceed != ui::Answer::Yes)
            return;
    }
    if (int(selected.size()) == state_.ProductCount() &&
        dialogs_.ask(tr("This will wipe out this ENTIRE master product list.  Is that what you want to do??"), confirm,
                     ui::Buttons::YesNo, ui::Icon::Exclamation) != ui::Answer::Yes)
        return;
    bool eachItem = false;
    if (selected.size() > 1) {
        const ui::Answer each = dialogs_.ask(tr("Do you wish to confirm each item for deletion?"),
                                             ui::Title::own(tr("?")), ui::Buttons::YesNoCancel, ui::Icon::Question);
        if (each == ui::Answer::Cancel)
            return;
        eachItem = each == ui::Answer::Yes;
    }
    if (!eachItem && dialogs_.ask(tr("Delete selected item(s)?"), confirm, ui::Buttons::YesNo, ui::Icon::Question) !=
                         ui::Answer::Yes)
        return;

    ConfirmDeletion askEach;
    if (eachItem)
        askEach = [this, &confirm](const ProductRecord& product) {
            return dialogs_.ask(tr("Delete %1?").arg(product.text(ProductRecord::item)), confirm, ui::Buttons::YesNo,
                                ui::Icon::Question) == ui::Answer::Yes;
        };
    const data::FileResult written =
        state_.products.replaceAllBytes(keepAfterDeletion(state_.products.readAllBytes(), selected, askEach));
    dialogs_.reportFailure(written);
    if (state_.ProductCount() == 0)
        views_.clearProductList();
    else
        views_.RebuildProductList();
}

void CatalogueCommands::stripPrices()
{
    const QString answer =
        dialogs_.input(tr("You have pressed the <F10> key. This will erase all product prices in the "
                          "master list. If you REALLY want to do this, type yes in the box below."),
                       ui::Title::own(tr("Confirm Action")), QString());
    if (answer.compare(QLatin1String("yes"), Qt::CaseInsensitive) != 0)
        return;
    data::FileResult result = backUpPrices(state_.products);
    if (result) {
        dialogs_.tell(tr("This master product file has been backed up to a file named justincase.sav"),
                      ui::Title::none());
        result = catalogue::stripPrices(state_.products);
    }
    if (dialogs_.reportFailure(result))
        return;
    dialogs_.tell(tr("Done.  Prices have been removed from all products."), ui::Title::none());
}

} // namespace catalogue
