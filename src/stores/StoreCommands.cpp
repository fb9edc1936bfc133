#include "StoreCommands.h"

#include "StoreRules.h"
#include "app/ProductListPanel.h"
#include "app/ShoppingListPanel.h"
#include "app/pantrix1.h"
#include "model/SharedState.h"
#include "model/ShoppingListRules.h"
#include "model/StoreFiles.h"
#include "pantnew.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

namespace stores {

StoreCommands::StoreCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs)
    : QObject(&window)
    , window_(window)
    , state_(state)
    , dialogs_(dialogs)
{
    Ui::pantrix1& form = window_.form();
    connect(form.openbutton, &QToolButton::clicked, this, &StoreCommands::Open);
    connect(form.openfilecmd, &QAction::triggered, this, &StoreCommands::Open);
    connect(form.newbutton, &QToolButton::clicked, this, &StoreCommands::New);
    connect(form.newfilecmd, &QAction::triggered, this, &StoreCommands::New);
}

StoreCommands::~StoreCommands()
{
    delete dialog_;
}

void StoreCommands::Open()
{
    const QString chosen =
        dialogs_.openFile(QStringLiteral("Open a Shopping List"), QStringLiteral("Pantrix Lists|*.lst"));
    if (chosen.isEmpty())
        return;
    if (!hasListExtension(chosen)) {
        dialogs_.tell(QStringLiteral("File name must have .LST extension"));
        return;
    }
    // A list that cannot be opened at all leaves the current store in use.
    {
        data::RecordFile<data::ShoppingItemRecord> probe;
        const data::FileResult opened = probe.open(chosen);
        if (!opened)
            dialogs_.tell(opened.error, ui::Title::application(), ui::Icon::Critical);
        if (!probe.isOpen())
            return;
    }
    state_.DefaultListWarned = 0;
    emit storeSwitching();
    state_.ListFile = chosen;
    // The Product List may not be rebuilt below (an empty product file leaves a list as it
    // was), and must never show the products of the store that was left.
    window_.productList().clearList();
    window_.SelectProductFile();
    window_.shoppingList().OpenListFile();
    window_.RebuildProductList();
    window_.RebuildCategories();
    window_.ProbeMergeFile();
}

void StoreCommands::New()
{
    delete dialog_;
    dialog_ = new pantnew(state_, dialogs_, &window_);
    connect(dialog_, &pantnew::storeCreated, this, [this] {
        window_.activateWindow();
        window_.HandleActivation();
    });
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void StoreCommands::reloadStore()
{
    emit storeSwitching();
    window_.shoppingList().showEmpty();
    state_.ListCaption = QStringLiteral("%1 ($0.00)").arg(model::storeBaseName(state_.ListFile));
    window_.form().listlbl->setText(state_.ListCaption);
    const data::FileResult opened = state_.products.open(state_.ProductFile);
    if (!opened)
        dialogs_.tell(opened.error, ui::Title::application(), ui::Icon::Critical);
    state_.ProductCount = state_.products.count();
    window_.productList().clearList();
    window_.RebuildCategories();
    window_.RebuildProductList();
    window_.RebuildShoppingList();
    window_.ProbeMergeFile();
}

} // namespace stores
