#include "pantrix1.h"

#include "ProductListPanel.h"
#include "ShoppingListPanel.h"
#include "catalogue/CatalogueCommands.h"
#include "customlists/CustomListCommands.h"
#include "data/FileOps.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "stores/StoreCommands.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QStyle>

namespace app {

using model::eliminateStore;
using model::kDefaultList;
using model::kDefaultProducts;
using model::listCaption;
using model::mergeFileFor;
using model::ownProductFile;
using model::prepareFirstLoad;
using model::probeMergeFile;
using model::rememberList;
using model::SharedState;
using model::storeIsEliminable;

namespace {
const QString kCompanionProgram = QStringLiteral("fenrola.exe");
}

pantrix1::pantrix1(SharedState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , form_(std::make_unique<Ui::pantrix1>())
    , state_(state)
    , dialogs_(dialogs)
{
    form_->setupUi(this);
    products_ = new ProductListPanel(*form_, state_, dialogs_, this);
    shopping_ = new ShoppingListPanel(*form_, state_, dialogs_, *products_, this);
    customLists_ = new customlists::CustomListCommands(*this, state_, dialogs_);
    stores_ = new stores::StoreCommands(*this, state_, dialogs_);
    connect(stores_, &stores::StoreCommands::storeSwitching, customLists_,
            &customlists::CustomListCommands::leaveViews);
    new catalogue::CatalogueCommands(*this, state_, dialogs_);
    setUpLook();
    setUpKeys();
    connect(form_->quitcmd, &QPushButton::clicked, this, &pantrix1::Quit);
    connect(form_->exitcmd, &QAction::triggered, this, &pantrix1::Quit);
}

pantrix1::~pantrix1() = default;

void pantrix1::setUpLook()
{
    QFont title(QStringLiteral("Times New Roman"), 14);
    title.setStyleHint(QFont::Serif);
    title.setBold(true);
    form_->XFont11->setFont(title);
    title.setBold(false);
    title.setPointSize(11);
    form_->XFont12->setFont(title);
    form_->titleframe->setStyleSheet(QStringLiteral("#titleframe { background: rgb(128,128,128); }"
                                                    "#titleframe QLabel { color: black; }"));
    form_->listlbl->setStyleSheet(QStringLiteral("font-weight: bold;"));
    form_->openbutton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    form_->newbutton->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    form_->helpbutton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    form_->quitcmd->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    // The colours of the custom list views.
    form_->List3->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,255,224); }"));
    form_->List5->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,224,192); }"));

    for (QWidget* hidden : std::initializer_list<QWidget*>{form_->List3, form_->List4, form_->List5, form_->custompanel,
                                                           form_->couponpanel, form_->coupontotalcmd, form_->tabtxt})
        hidden->hide();
    form_->costlblss->setText(QStringLiteral("Item cost:"));

    // Commands that are not built yet stay off. Each line goes when its command is wired.
    for (QWidget* later : std::initializer_list<QWidget*>{
             form_->printlistcmd, form_->printmastercmd,                                // printing
             form_->notecmd, form_->logcmd,                                             // notes, log
             form_->magnifycmd, form_->mealscmd, form_->helpbutton, form_->aboutbutton, // small windows
             form_->foodoncmd, form_->foodoffcmd, form_->clearlistcmd, form_->allcmd})  // enabled by the views
        later->setEnabled(false);
    for (QAction* later : std::initializer_list<QAction*>{form_->rechelpcmd, form_->mergehelpcmd, form_->helpcmd,
                                                          form_->aboutcmd, // help windows
                                                          form_->notescmd, form_->logput, form_->logsee}) // notes, log
        later->setEnabled(false);
}

void pantrix1::setUpKeys()
{
    // Window-wide keys reach the window before any of its controls.
    auto key = [this](QKeySequence sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_F2), [this] {
        if (form_->foodoncmd->isEnabled())
            shopping_->Add();
    });
    key(QKeySequence(Qt::Key_F12), [this] { customLists_->Refresh(); });
    key(QKeySequence(Qt::Key_Escape), [this] { Quit(); });
}

void pantrix1::Load()
{
    setWindowTitle(QStringLiteral("Pantrix"));
    if (state_.Loaded == 0) {
        QStringList errors;
        state_.ListFile = prepareFirstLoad(&errors);
        for (const QString& error : errors)
            dialogs_.tell(error, ui::Title::application(), ui::Icon::Critical);
    }
    state_.ProductCount = data::probeRecordCount<data::ProductRecord>(kDefaultProducts);

    if (!state_.items.open(state_.ListFile) && !state_.items.isOpen()) {
        // A remembered list that cannot be opened at all (its folder is gone): say so and
        // start with the default list rather than with no list.
        dialogs_.reportFailure(
            {QStringLiteral("Opening %1 failed; the default list is used instead.").arg(state_.ListFile)});
        state_.ListFile = kDefaultList;
        dialogs_.reportFailure(state_.items.open(state_.ListFile));
    }
    state_.ItemCount = state_.items.count();
    SelectProductFile();
    state_.ListCaption = listCaption(state_.ListFile, form_->tabtxt->text());
    form_->listlbl->setText(state_.ListCaption);
    ProbeMergeFile();

    state_.ProductsAdded = 0;
    state_.ProductsEdited = 0;
    if (state_.CategoryFilter.isEmpty()) {
        state_.CategoryFilter = QStringLiteral("ALL");
        form_->allcmd->setEnabled(false);
    }
    if (state_.ProductCount > 0)
        RebuildProductList();
    if (state_.ItemCount == 0)
        shopping_->showEmpty();
    else
        RebuildShoppingList();
    if (state_.ProductCount > 0)
        RebuildCategories();
    form_->FreeLink3->setVisible(data::fileLength(kCompanionProgram) == 0);
    if (state_.ProductCount > 0 && products_->currentRow() < 0)
        form_->pricelbl->hide();
    if (state_.ItemCount > 0 && shopping_->selectedRow() >= 0)
        form_->costlbl->setText(shopping_->view().rows[size_t(shopping_->selectedRow())].costText);
    state_.Loaded = 1;
}

void pantrix1::SelectProductFile()
{
    const QString own = ownProductFile(state_.ListFile);
    state_.ProductFile = own;
    dialogs_.reportFailure(state_.products.open(state_.ProductFile));
    state_.ProductCount = state_.products.count();
    if (state_.ListFile == kDefaultList)
        return;
    if (state_.ProductCount == 0) {
        state_.ProductFile = kDefaultProducts;
        dialogs_.reportFailure(state_.products.open(state_.ProductFile));
        state_.ProductCount = state_.products.count();
    }
    RebuildProductList();
    RebuildCategories();
}

void pantrix1::ProbeMergeFile()
{
    state_.MergeFile = mergeFileFor(state_.ProductFile);
    form_->mergecmd->setEnabled(probeMergeFile(state_.MergeFile));
}

void pantrix1::RebuildProductList()
{
    products_->RebuildProductList();
}

void pantrix1::RebuildCategories()
{
    products_->RebuildCategories();
}

void pantrix1::RebuildShoppingList()
{
    shopping_->RebuildShoppingList();
}

void pantrix1::HandleActivation()
{
    customLists_->activated();
    if (state_.StoreChanged == 1) {
        state_.StoreChanged = 0;
        stores_->reloadStore();
    }
    if (state_.ProductsAdded == 1 || state_.ProductsEdited == 1) {
        RebuildCategories();
        RebuildProductList();
        RebuildShoppingList();
        state_.ProductsAdded = 0;
        state_.ProductsEdited = 0;
    }
    if (state_.CategoryFilter.isEmpty() || state_.CategoryFilter.toUpper() == QLatin1String("ALL"))
        form_->categorycmd->setEnabled(false);
}

bool pantrix1::Quit()
{
    if (quitting_)
        return true;
    if (storeIsEliminable(state_.products.count(), state_.ItemCount, state_.ListFile)) {
        const ui::Answer answer = dialogs_.ask(state_.ListFile + QStringLiteral(" is empty and will be eliminated."),
                                               ui::Title::none(), ui::Buttons::OkCancel, ui::Icon::Exclamation);
        if (answer != ui::Answer::Ok)
            return false;
        state_.items.close();
        state_.products.close();
        dialogs_.reportFailure(eliminateStore(state_.ListFile, state_.ProductFile));
    } else {
        dialogs_.reportFailure(rememberList(state_.ListFile));
    }
    quitting_ = true;
    close();
    return true;
}

void pantrix1::closeEvent(QCloseEvent* event)
{
    if (!quitting_ && !Quit()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void pantrix1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && state_.Loaded == 1)
        HandleActivation();
}

} // namespace app
