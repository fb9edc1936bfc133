#include "pantrix1.h"

#include "DataFileWatcher.h"
#include "ListFonts.h"
#include "ProductListPanel.h"
#include "RecentStores.h"
#include "ShoppingListPanel.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/CategoryCommands.h"
#include "catalogue/CommonProducts.h"
#include "catalogue/CouponPanel.h"
#include "catalogue/MergeCommands.h"
#include "catalogue/TextExport.h"
#include "customlists/CustomListCommands.h"
#include "customlists/CustomListPanel.h"
#include "data/FileOps.h"
#include "help/Companion.h"
#include "help/HelpCommands.h"
#include "log/LogCommands.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "print/PrintCommands.h"
#include "stores/StoreCommands.h"
#include "ui/ActionButton.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardPaths.h"
#include "ui/UserSettings.h"
#include "ui_pantrix1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <future>
#include <utility>

namespace app {

pantrix1::pantrix1(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
                   QWidget* parent)
    : QMainWindow(parent)
    , form_(std::make_unique<Ui::pantrix1>())
    , state_(state)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
{
    form_->setupUi(this);
    products_ = form_->productPanel;
    shopping_ = form_->shoppingPanel;
    products_->setUp(state_, dialogs_);
    shopping_->setUp(state_, dialogs_, *products_);
    form_->couponpanel->setUp(state_, dialogs_, *this, shopping_->listView());
    setUpLook();
    setUpToolBar();
    setUpScrolling();
    setUpCommands();
    setUpRecentStores();
    restoreSettings();
    watcher_ = new DataFileWatcher(this);
    connect(watcher_, &DataFileWatcher::changed, this, &pantrix1::reloadViews);
    connect(shopping_, &ShoppingListPanel::productsVanished, this, &pantrix1::reloadViews);
}

pantrix1::~pantrix1()
{
    // The panels go before the window's own parts, so none of them handles an event of the
    // teardown through a window that is half gone.
    delete form_->centralwidget;
}

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
    form_->openbutton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    form_->newbutton->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    form_->helpbutton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    form_->quitcmd->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void pantrix1::setUpCommands()
{
    QWidget* window = this;
    catalogue_ = new catalogue::CatalogueCommands(state_, dialogs_, *this, window);
    categories_ = new catalogue::CategoryCommands(state_, dialogs_, *this, this);
    merge_ = new catalogue::MergeCommands(state_, dialogs_, *this, window);
    textExport_ = new catalogue::TextExport(dialogs_, *this, this);
    customLists_ = new customlists::CustomListCommands(state_, dialogs_, *this, shopping_->customLists(), window);
    stores_ = new stores::StoreCommands(state_, dialogs_, window);
    help_ = new help::HelpCommands(dialogs_, printer_, desktop_, window);
    print_ = new print::PrintCommands(state_, dialogs_, printer_, desktop_, *this, window);
    log_ = new shoplog::LogCommands(state_, dialogs_, printer_, desktop_, *this, window);
    catalogue::addEmptyProductListHint(products_->listView(), state_);

    setUpFileMenu();
    setUpImportMenu();
    setUpCustomListMenu();
    setUpFilterMenu();
    setUpLogMenu();
    setUpHelpMenu();
    setUpListCommands();
    setUpSecondaryWindows();
    setUpKeys();
}

void pantrix1::setUpKeys()
{
    using ui::standardKeys;
    // Esc quits from the main window, as it always has; the desktop's own key for it too.
    form_->exitcmd->setShortcuts(QList<QKeySequence>{QKeySequence(Qt::Key_Escape)} +
                                 standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    form_->printListAction->setShortcuts(standardKeys(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));
    form_->helpcmd->setShortcuts(standardKeys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)));
    form_->newfilecmd->setShortcuts(standardKeys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    form_->openfilecmd->setShortcuts(standardKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    connect(form_->copylistcmd, &QAction::triggered, textExport_, &catalogue::TextExport::copyShoppingList);
    // The Log button's menu drops under the button when it was pressed from the keyboard.
    ui::trackPresses(form_->logcmd);
    // The keys come back to the main window when a window it disabled closes: a window
    // manager may leave no window active after the closing window's last box.
    const auto takeKeysBack = [this] {
        if (!QApplication::activeModalWidget())
            activateWindow();
    };
    connect(print_, &print::PrintCommands::windowClosed, this, takeKeysBack);
    connect(log_, &shoplog::LogCommands::logClosed, this, takeKeysBack);
    connect(catalogue_, &catalogue::CatalogueCommands::editorClosed, this, takeKeysBack);
}

void pantrix1::setUpFileMenu()
{
    ui::bind(form_->openbutton, form_->openfilecmd);
    ui::bind(form_->newbutton, form_->newfilecmd);
    ui::bind(form_->printtextcmd, form_->printtext);
    ui::bind(form_->notecmd, form_->notescmd);
    ui::bind(form_->quitcmd, form_->exitcmd);
    connect(form_->openfilecmd, &QAction::triggered, stores_, &stores::StoreCommands::Open);
    connect(form_->newfilecmd, &QAction::triggered, stores_, &stores::StoreCommands::New);
    connect(form_->printtext, &QAction::triggered, textExport_, &catalogue::TextExport::exportShoppingList);
    connect(form_->notescmd, &QAction::triggered, print_, &print::PrintCommands::openNotes);
    connect(form_->exitcmd, &QAction::triggered, this, &pantrix1::Quit);
}

void pantrix1::setUpImportMenu()
{
    auto* common = new catalogue::CommonProducts(state_, dialogs_, *this, this);
    ui::bind(form_->exportbutton, form_->exportcmd);
    // The toolbar's Import stays available when the menu's is off: it says when there is
    // nothing to import.
    ui::bind(form_->importbutton, form_->importAction);
    connect(form_->exportcmd, &QAction::triggered, merge_, &catalogue::MergeCommands::exportProducts);
    connect(form_->mergecmd, &QAction::triggered, merge_, &catalogue::MergeCommands::importProducts);
    connect(form_->importAction, &QAction::triggered, merge_, &catalogue::MergeCommands::importProducts);
    connect(form_->commonproductscmd, &QAction::triggered, common, &catalogue::CommonProducts::addCommonProducts);
    connect(form_->mergehelpcmd, &QAction::triggered, help_, &help::HelpCommands::mergeHelp);
}

void pantrix1::setUpCustomListMenu()
{
    using customlists::CustomListCommands;
    ui::bind(form_->custombutton, form_->customMenuAction);
    ui::bind(form_->updatecmd, form_->refreshAction);
    connect(form_->customMenuAction, &QAction::triggered, this,
            [this] { customLists_->openMenu(form_->custombutton); });
    connect(form_->refreshAction, &QAction::triggered, customLists_, &CustomListCommands::Refresh);
    connect(form_->recmakecmd, &QAction::triggered, customLists_, &CustomListCommands::Create);
    connect(form_->recaddcmd, &QAction::triggered, customLists_, &CustomListCommands::Add);
    connect(form_->receditcmd, &QAction::triggered, customLists_, &CustomListCommands::Remove);
    connect(form_->recpreview, &QAction::triggered, customLists_, &CustomListCommands::Preview);
    connect(form_->recgetcmd, &QAction::triggered, customLists_, &CustomListCommands::Get);
    connect(form_->recdelete, &QAction::triggered, customLists_, &CustomListCommands::Delete);
    connect(form_->saveshopcmd, &QAction::triggered, customLists_, &CustomListCommands::Save);
    connect(form_->rechelpcmd, &QAction::triggered, help_, &help::HelpCommands::customListHelp);
}

void pantrix1::setUpFilterMenu()
{
    products_->bindDietFilters(form_->lofatcmd, form_->locarbcmd);
    connect(form_->lofatcmd, &QAction::toggled, this, [this](bool on) {
        state_.LoFatFilter = on;
        products_->RebuildProductList();
    });
    connect(form_->locarbcmd, &QAction::toggled, this, [this](bool on) {
        state_.LoCarbFilter = on;
        products_->RebuildProductList();
    });
}

void pantrix1::setUpLogMenu()
{
    ui::bind(form_->logcmd, form_->logMenuAction);
    connect(form_->logput, &QAction::triggered, log_, &shoplog::LogCommands::logput);
    connect(form_->logsee, &QAction::triggered, log_, &shoplog::LogCommands::logsee);
    connect(form_->logMenuAction, &QAction::triggered, this,
            [this] { form_->logmenucmd->popup(ui::menuPosition(form_->logcmd)); });
}

void pantrix1::setUpHelpMenu()
{
    ui::bind(form_->helpbutton, form_->helpcmd);
    ui::bind(form_->aboutbutton, form_->aboutcmd);
    ui::bind(form_->magnifycmd, form_->magnifyAction);
    ui::bind(form_->mealscmd, form_->mealsAction);
    connect(form_->helpcmd, &QAction::triggered, help_, &help::HelpCommands::programHelp);
    connect(form_->aboutcmd, &QAction::triggered, help_, &help::HelpCommands::about);
    connect(form_->magnifyAction, &QAction::triggered, this, [this] {
        const QList<QWidget*> custom = shopping_->customLists().magnifiedLists();
        QList<QWidget*> lists{products_->listView(), shopping_->listView()};
        lists << custom << products_->categoryBox();
        magnifyLists(lists);
    });
    connect(form_->mealsAction, &QAction::triggered, help_, &help::HelpCommands::meals);
    connect(form_->FreeLink3, &QLabel::linkActivated, help_, &help::HelpCommands::openCompanionWebsite);
}

void pantrix1::setUpListCommands()
{
    const ProductListActions panel = products_->actions();
    ui::bind(form_->foodoncmd, form_->addAction);
    ui::bind(form_->foodoffcmd, form_->removeAction);
    ui::bind(form_->clearlistcmd, form_->clearAction);
    ui::bind(form_->printlistcmd, form_->printListAction);
    connect(form_->addAction, &QAction::triggered, shopping_, &ShoppingListPanel::Add);
    connect(form_->removeAction, &QAction::triggered, shopping_, &ShoppingListPanel::Remove);
    connect(form_->clearAction, &QAction::triggered, shopping_, &ShoppingListPanel::Clear);
    connect(form_->printListAction, &QAction::triggered, print_, &print::PrintCommands::openPrintDialog);
    connect(form_->stripPricesAction, &QAction::triggered, catalogue_, &catalogue::CatalogueCommands::stripPrices);
    connect(panel.newProduct, &QAction::triggered, catalogue_, &catalogue::CatalogueCommands::newProduct);
    connect(panel.editProduct, &QAction::triggered, catalogue_, &catalogue::CatalogueCommands::editProduct);
    connect(panel.deleteProduct, &QAction::triggered, catalogue_, &catalogue::CatalogueCommands::deleteProducts);
    connect(panel.all, &QAction::triggered, products_, &ProductListPanel::showAll);
    connect(panel.renameCategory, &QAction::triggered, categories_, &catalogue::CategoryCommands::RenameCategory);
    connect(panel.categoriesToText, &QAction::triggered, categories_, &catalogue::CategoryCommands::exportCategories);
    connect(panel.printProducts, &QAction::triggered, print_, &print::PrintCommands::printProductList);

    connect(shopping_, &ShoppingListPanel::couponRequested, form_->couponpanel, &catalogue::CouponPanel::open);
    connect(shopping_, &ShoppingListPanel::couponListRequested, form_->couponpanel,
            &catalogue::CouponPanel::listCoupons);
    connect(shopping_, &ShoppingListPanel::rowClicked, form_->couponpanel, &QWidget::hide);
    connect(products_, &ProductListPanel::changed, this, &pantrix1::updateActions);
    connect(shopping_, &ShoppingListPanel::changed, this, &pantrix1::updateActions);

    // F2 works also while Add is off (no products): with nothing to add it says so.
    auto* add = new QShortcut(QKeySequence(Qt::Key_F2), this);
    add->setContext(Qt::WindowShortcut);
    connect(add, &QShortcut::activated, shopping_, &ShoppingListPanel::Add);
}

void pantrix1::setUpSecondaryWindows()
{
    // Secondary windows hand back to the main window through its activation handling.
    connect(catalogue_, &catalogue::CatalogueCommands::editorOpening, this, [this] {
        state_.ProductRowToSelect = products_->currentRow();
        state_.CategoryRowToSelect = products_->categoryRow();
    });
    connect(catalogue_, &catalogue::CatalogueCommands::editorClosed, this, &pantrix1::HandleActivation);
    connect(customLists_, &customlists::CustomListCommands::activationWanted, this, &pantrix1::HandleActivation);
    connect(stores_, &stores::StoreCommands::newClosed, this, &pantrix1::HandleActivation);
    connect(stores_, &stores::StoreCommands::storeChosen, this, &pantrix1::switchStore);
    connect(print_, &print::PrintCommands::windowClosed, this, &pantrix1::HandleActivation);
    connect(log_, &shoplog::LogCommands::logClosed, this, &pantrix1::HandleActivation);
}

void pantrix1::updateActions()
{
    const bool products = products_->rowCount() > 0;
    const bool items = !shopping_->view().rows.empty();
    const ProductListActions panel = products_->actions();
    form_->addAction->setEnabled(products);
    panel.editProduct->setEnabled(products);
    panel.deleteProduct->setEnabled(products);
    form_->removeAction->setEnabled(items);
    form_->clearAction->setEnabled(items);
    form_->printListAction->setEnabled(items);
    form_->copylistcmd->setEnabled(items);
    panel.all->setEnabled(!state_.CategoryFilter.isAll());
    panel.renameCategory->setEnabled(!state_.CategoryFilter.isAll());
    form_->mergecmd->setEnabled(state_.MergeFileReady);
    form_->customMenuAction->setEnabled(!customLists_->menuShowing());
    form_->lofatcmd->setChecked(state_.LoFatFilter);
    form_->locarbcmd->setChecked(state_.LoCarbFilter);
}

void pantrix1::report(const data::FileResult& result)
{
    if (result)
        return;
    if (!startupErrors_) {
        dialogs_.reportFailure(result);
        return;
    }
    if (!startupErrors_->contains(result.error))
        startupErrors_->append(result.error);
}

void pantrix1::Load()
{
    setWindowTitle(QStringLiteral("Pantrix"));
    // Everything that fails on the way is told in one box at the end.
    QStringList errors;
    startupErrors_ = &errors;
    std::future<data::FileResult> backup;
    if (!state_.Loaded) {
        // Temporary copies a killed earlier run left behind.
        data::removeStaleTemporaries();
        // Copying a large product file takes as long as filling the lists: both at once.
        backup = std::async(std::launch::async, model::backUpProducts);
        state_.ListFile = model::prepareFirstLoad(&errors);
    }

    if (const data::FileResult opened = state_.items.open(state_.ListFile); !opened) {
        report(opened);
        if (!state_.items.isOpen() && state_.ListFile != model::kDefaultList) {
            // A remembered list that cannot be opened at all (its folder is gone): start
            // with the default list rather than with no list.
            errors.append(tr("The default list is used instead."));
            state_.ListFile = model::kDefaultList;
            report(state_.items.open(state_.ListFile));
        }
    }
    // The Shopping List is read and its rows built on a second thread while the products
    // load; until they are taken below, nothing here changes the list file.
    std::future<model::ShoppingListView> list;
    if (state_.ItemCount() > 0)
        list = std::async(std::launch::async, [&items = std::as_const(state_.items), order = state_.listOrder] {
            return model::buildShoppingList(items.readAll(), order);
        });
    SelectProductFile();
    state_.ListCaption = model::listCaption(state_.ListFile, shopping_->totalText());
    shopping_->showCaption(state_.ListCaption);
    ProbeMergeFile();

    state_.ProductsAdded = false;
    state_.ProductsEdited = false;
    const bool products = state_.ProductCount() > 0;
    if (products)
        RebuildProductList();
    if (list.valid())
        shopping_->showList(list.get());
    else
        shopping_->showEmpty();
    // A store of its own shows its category box even without products, as a switch to it
    // does. The categories come from the products the list has just read.
    if (products || state_.ListFile != model::kDefaultList)
        products_->RebuildCategories(!products);
    form_->FreeLink3->setVisible(!help::companionInstalled());
    state_.Loaded = true;
    watcher_->watch({state_.ProductFile, state_.ListFile});
    if (state_.items.isOpen())
        recent_->add(state_.ListFile);
    updateActions();
    startupErrors_ = nullptr;
    if (backup.valid()) {
        // A product file refused as too large is told once, not for the backup again.
        if (const data::FileResult copied = backup.get(); !copied && !errors.contains(copied.error))
            errors.prepend(copied.error);
    }
    if (!errors.isEmpty())
        dialogs_.tell(errors.join(QStringLiteral("\r\n")), ui::Title::application(), ui::Icon::Critical);
}

void pantrix1::SelectProductFile()
{
    state_.ProductFile = model::ownProductFile(state_.ListFile);
    report(state_.products.open(state_.ProductFile));
    if (state_.ListFile == model::kDefaultList)
        return;
    if (state_.ProductCount() == 0) {
        state_.ProductFile = model::kDefaultProducts;
        report(state_.products.open(state_.ProductFile));
    }
}

void pantrix1::ProbeMergeFile()
{
    state_.MergeFile = model::mergeFileFor(state_.ProductFile);
    state_.MergeFileReady = model::probeMergeFile(state_.MergeFile);
    updateActions();
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

void pantrix1::clearProductList()
{
    products_->clearList();
}

void pantrix1::reloadViews()
{
    if (quitting_)
        return; // an eliminated store's files are gone for good
    // A file replaced by another program is opened again: the one open is no longer it.
    if (state_.products.isReplaced())
        dialogs_.reportFailure(state_.products.open(state_.ProductFile));
    if (state_.items.isReplaced())
        dialogs_.reportFailure(state_.items.open(state_.ListFile));
    products_->refreshFromDisk();
    if (shopping_->refreshFromDisk())
        form_->couponpanel->hide(); // its row may now be another item
    updateActions();
}

std::vector<int> pantrix1::shownProductRecords() const
{
    std::vector<int> records(size_t(products_->rowCount()));
    for (int row = 0; row < products_->rowCount(); ++row)
        records[size_t(row)] = products_->recordAt(row);
    return records;
}

std::vector<int> pantrix1::selectedProductRecords() const
{
    return products_->selectedRecords();
}

int pantrix1::currentProductRecord() const
{
    const int row = products_->currentRow();
    return row >= 0 ? products_->recordAt(row) : 0;
}

int pantrix1::currentItemRecord() const
{
    return shopping_->currentRecord();
}

QStringList pantrix1::shoppingRows() const
{
    return shopping_->rows();
}

QString pantrix1::shoppingTotal() const
{
    return shopping_->totalText();
}

QStringList pantrix1::categories() const
{
    return products_->categories();
}

void pantrix1::switchStore(const QString& listFile)
{
    state_.DefaultListWarned = false;
    shopping_->customLists().leave();
    state_.ListFile = listFile;
    // The Product List may not be rebuilt below (an empty product file leaves a list as it
    // was), and must never show the products of the store that was left.
    products_->clearList();
    SelectProductFile();
    shopping_->OpenListFile();
    RebuildProductList();
    RebuildCategories();
    ProbeMergeFile();
    form_->couponpanel->hide(); // it was for an item of the store that was left
    watcher_->watch({state_.ProductFile, state_.ListFile});
    recent_->add(state_.ListFile);
}

void pantrix1::reloadStore()
{
    shopping_->customLists().leave();
    shopping_->showEmpty();
    state_.ListCaption = QStringLiteral("%1 ($0.00)").arg(model::storeBaseName(state_.ListFile));
    shopping_->showCaption(state_.ListCaption);
    dialogs_.reportFailure(state_.products.open(state_.ProductFile));
    products_->clearList();
    RebuildCategories();
    RebuildProductList();
    RebuildShoppingList();
    ProbeMergeFile();
    form_->couponpanel->hide();
    watcher_->watch({state_.ProductFile, state_.ListFile});
    recent_->add(state_.ListFile);
}

void pantrix1::HandleActivation()
{
    help_->hideAbout();
    customLists_->activated();
    if (std::exchange(state_.StoreChanged, false))
        reloadStore();
    if (state_.ProductsAdded || state_.ProductsEdited) {
        RebuildCategories();
        RebuildProductList();
        RebuildShoppingList();
        state_.ProductsAdded = false;
        state_.ProductsEdited = false;
    }
    updateActions();
}

bool pantrix1::Quit()
{
    if (quitting_)
        return true;
    if (model::storeIsEliminable(state_.ProductCount(), state_.ItemCount(), state_.ListFile)) {
        const ui::Answer answer = dialogs_.ask(state_.ListFile + tr(" is empty and will be eliminated."),
                                               ui::Title::none(), ui::Buttons::OkCancel, ui::Icon::Exclamation);
        if (answer != ui::Answer::Ok)
            return false;
        state_.items.close();
        state_.products.close();
        dialogs_.reportFailure(model::eliminateStore(state_.ListFile, state_.ProductFile));
    } else {
        dialogs_.reportFailure(model::rememberList(state_.ListFile));
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
    rememberSettings();
    QMainWindow::closeEvent(event);
}

void pantrix1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && state_.Loaded)
        HandleActivation();
}

bool pantrix1::openStore(const QString& listFile)
{
    return stores_->OpenFile(listFile);
}

void pantrix1::setUpToolBar()
{
    QToolBar* bar = form_->toolbar;
    // Hiding the toolbar from its context menu would hide commands with it.
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    const auto actionOf = [bar](QWidget* button) {
        const QList<QAction*> actions = bar->actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [bar, button](QAction* a) { return bar->widgetForAction(a) == button; });
        return found != actions.end() ? *found : nullptr;
    };
    // The form holds the buttons in their order; their groups are set apart here.
    for (QWidget* first : {form_->exportbutton, form_->printlistcmd, form_->custombutton, form_->magnifycmd})
        bar->insertSeparator(actionOf(first));
    auto* gap = new QWidget(bar);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->insertWidget(actionOf(form_->quitcmd), gap);
}

void pantrix1::setUpScrolling()
{
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("centralscroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(takeCentralWidget());
    setCentralWidget(scroller);
}

void pantrix1::setUpRecentStores()
{
    auto* menu = new QMenu(tr("Open recent"), this);
    menu->setObjectName(QStringLiteral("recentmenu"));
    const QList<QAction*> items = form_->filemenu->actions();
    form_->filemenu->insertMenu(items.value(items.indexOf(form_->newfilecmd) + 1), menu);
    recent_ = new RecentStores(menu, this);
    connect(recent_, &RecentStores::chosen, this, &pantrix1::openRecentStore);
}

void pantrix1::openRecentStore(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        recent_->remove(path);
        dialogs_.tell(
            tr("%1 is no longer there. It is taken off the recent stores.").arg(QDir::toNativeSeparators(path)),
            ui::Title::application(), ui::Icon::Exclamation);
        return;
    }
    openStore(path);
}

void pantrix1::restoreSettings()
{
    const ui::UserSettings settings;
    if (!restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray())) {
        // 1180 x 720 where the screen has room for it, the screen's free area where not.
        const QRect free = screen()->availableGeometry();
        resize(QSize(1180, 720).boundedTo(free.size() * 0.9));
        move(free.center() - rect().center());
    }
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());
    const int order = settings.value(QStringLiteral("list/order")).toInt();
    shopping_->restoreOrder(order == int(model::ListOrder::ByCategory) ? model::ListOrder::ByCategory
                                                                       : model::ListOrder::Alphabetical);
}

void pantrix1::rememberSettings()
{
    ui::UserSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/state"), saveState());
    settings.setValue(QStringLiteral("list/order"), int(state_.listOrder));
}

} // namespace app
