#include "ProductListPanel.h"

#include "catalogue/ProductRules.h"
#include "data/Numbers.h"
#include "model/SharedState.h"
#include "ui/ActionButton.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardPaths.h"
#include "ui_ProductListPanel.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace app {

using model::collectCategories;
using model::filterProducts;
using model::ProductFilter;
using model::SharedState;

using data::ProductRecord;

ProductListPanel::ProductListPanel(QWidget* parent)
    : QWidget(parent)
    , form_(std::make_unique<Ui::ProductListPanel>())
    , model_(catalogue_, this)
{
    form_->setupUi(this);
}

ProductListPanel::~ProductListPanel() = default;

void ProductListPanel::setUp(model::SharedState& state, ui::Dialogs& dialogs)
{
    state_ = &state;
    dialogs_ = &dialogs;
    const std::pair<QAbstractButton*, QAction*> buttons[] = {
        {form_->addfoodcmd, form_->newProductAction},        {form_->editfoodcmd, form_->editProductAction},
        {form_->delfoodcmd, form_->deleteProductAction},     {form_->allcmd, form_->allAction},
        {form_->categorycmd, form_->renameCategoryAction},   {form_->cattotxtcmd, form_->categoriesToTextAction},
        {form_->printmastercmd, form_->printProductsAction},
    };
    for (const auto& [button, action] : buttons)
        ui::bind(button, action);
    form_->List1->setModel(&model_);
    form_->List1->viewport()->installEventFilter(this);
    setUpKeys();

    connect(form_->Combo1, &QListWidget::currentRowChanged, this, &ProductListPanel::categoryClicked);
    connect(form_->searchtxt, &QLineEdit::textChanged, this, &ProductListPanel::searchChanged);
    connect(form_->clearsrchcmd, &QPushButton::clicked, this, [this] {
        form_->searchtxt->clear();
        form_->searchtxt->setFocus();
    });
    connect(form_->List1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProductListPanel::showSelection);
    connect(form_->List1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ProductListPanel::showSelection);
    connect(form_->List1, &QListView::doubleClicked, this, &ProductListPanel::addWithQuantityRequested);
}

void ProductListPanel::setUpKeys()
{
    form_->List1->installEventFilter(this);
    form_->searchtxt->installEventFilter(this);
    form_->searchAction->setShortcuts(ui::standardKeys(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F)));
    connect(form_->searchAction, &QAction::triggered, this, [this] {
        form_->searchtxt->setFocus(Qt::ShortcutFocusReason);
        form_->searchtxt->selectAll();
    });
    form_->copyProductsAction->setShortcuts(ui::standardKeys(QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_C)));
    connect(form_->copyProductsAction, &QAction::triggered, this, [this] { ui::copySelectedRows(form_->List1); });
}

void ProductListPanel::bindDietFilters(QAction* loFat, QAction* loCarb)
{
    ui::bind(form_->fatbutton, loFat);
    ui::bind(form_->locarbbutton, loCarb);
}

ProductListActions ProductListPanel::actions() const
{
    return {form_->newProductAction,     form_->editProductAction,      form_->deleteProductAction, form_->allAction,
            form_->renameCategoryAction, form_->categoriesToTextAction, form_->printProductsAction};
}

void ProductListPanel::RebuildProductList()
{
    form_->pricelbl->clear();
    if (!state_->products.isOpen() || state_->products.name() != state_->ProductFile)
        dialogs_->reportFailure(state_->products.open(state_->ProductFile));
    // An empty product file leaves the list as it was.
    if (state_->ProductCount() == 0)
        return;

    catalogue_.refresh(state_->products);
    model_.setRows(filterProducts(catalogue_, filter()));

    const int rows = model_.rowCount();
    showCaption(rows);
    if (state_->ProductRowToSelect >= 0 && state_->ProductRowToSelect < rows) {
        form_->List1->selectionModel()->setCurrentIndex(model_.index(state_->ProductRowToSelect),
                                                        QItemSelectionModel::ClearAndSelect);
        form_->List1->setFocus();
        showSelection();
    }
    emit changed();
}

void ProductListPanel::showCaption(int rows)
{
    const model::CategoryFilter& filter = state_->CategoryFilter;
    form_->productlist->setTitle(filter.isAll() ? tr("Product List (%1)").arg(rows)
                                                : QStringLiteral("%1 (%2)").arg(filter.category()).arg(rows));
}

ProductFilter ProductListPanel::filter() const
{
    ProductFilter filter;
    filter.search = form_->searchtxt->text();
    filter.loFat = state_->LoFatFilter;
    filter.loCarb = state_->LoCarbFilter;
    filter.category = state_->CategoryFilter;
    return filter;
}

bool ProductListPanel::refreshFromDisk()
{
    if (state_->ProductCount() == 0) {
        if (rowCount() == 0)
            return false;
        clearList();
        RebuildCategories();
        return true;
    }
    // Own writes that change no row (a price) leave the selection where it is.
    const bool reread = catalogue_.refresh(state_->products);
    if (filterProducts(catalogue_, filter()) == model_.rows() && collectCategories(catalogue_) == categories().mid(1)) {
        if (reread)
            model_.namesChanged();
        return false;
    }
    RebuildProductList();
    RebuildCategories(false);
    return true;
}

void ProductListPanel::clearList()
{
    model_.clear();
    form_->pricelbl->clear();
    showCaption(0);
    showSelection();
    emit changed();
}

void ProductListPanel::RebuildCategories(bool reread)
{
    rebuildingCategories_ = true;
    form_->Combo1->clear();
    form_->Combo1->addItem(QStringLiteral("All"));
    if (reread)
        catalogue_.refresh(state_->products);
    form_->Combo1->addItems(collectCategories(catalogue_));

    // Show the category being viewed. It may have moved since the box was last filled
    // (a new category sorts in before it), so it is found by name; a category that is
    // gone takes the view back to All.
    int row = 0;
    if (!state_->CategoryFilter.isAll()) {
        for (int i = 1; i < form_->Combo1->count() && row == 0; ++i) {
            if (form_->Combo1->item(i)->text().compare(state_->CategoryFilter.category(), Qt::CaseInsensitive) == 0)
                row = i;
        }
        if (row == 0)
            state_->CategoryFilter = model::CategoryFilter::all();
    } else if (state_->CategoryRowToSelect > 0 && state_->CategoryRowToSelect < form_->Combo1->count()) {
        row = state_->CategoryRowToSelect;
    }
    form_->Combo1->setCurrentRow(row);
    rebuildingCategories_ = false;
    emit changed();
}

void ProductListPanel::categoryClicked()
{
    if (rebuildingCategories_ || form_->Combo1->currentRow() < 0)
        return;
    // The first entry, "All", shows every product; the others are categories.
    const int chosen = form_->Combo1->currentRow();
    state_->CategoryFilter =
        chosen == 0 ? model::CategoryFilter::all() : model::CategoryFilter::only(form_->Combo1->currentItem()->text());
    if (!state_->CategoryFilter.isAll()) {
        state_->EditorCategory = state_->CategoryFilter.category();
        catalogue_.refresh(state_->products);
        if (catalogue_.categoryIndex(state_->CategoryFilter.category().toUpper()) < 0) {
            // The box is refilled once the click that chose the entry is over: refilled
            // now, the click would go on to highlight whatever entry took the row.
            state_->CategoryFilter = model::CategoryFilter::all();
            QTimer::singleShot(0, this, [this] {
                RebuildCategories();
                const QSignalBlocker quiet(form_->Combo1);
                form_->Combo1->setCurrentRow(0);
            });
        }
    }
    RebuildProductList();
    if (rowCount() > 0)
        form_->List1->selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::ClearAndSelect);
    emit changed();
}

void ProductListPanel::showAll()
{
    if (state_->ProductCount() == 0)
        return;
    state_->CategoryFilter = model::CategoryFilter::all();
    RebuildProductList();
    {
        const QSignalBlocker quiet(form_->Combo1);
        form_->Combo1->setCurrentRow(0);
    }
    form_->Combo1->scrollToTop();
    if (rowCount() > 0)
        form_->List1->selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::ClearAndSelect);
    emit changed();
}

void ProductListPanel::searchChanged()
{
    RebuildProductList();
    form_->searchtxt->setFocus();
}

QAbstractItemView* ProductListPanel::listView() const
{
    return form_->List1;
}

QWidget* ProductListPanel::categoryBox() const
{
    return form_->Combo1;
}

int ProductListPanel::categoryRow() const
{
    return form_->Combo1->currentRow();
}

QStringList ProductListPanel::categories() const
{
    QStringList entries;
    for (int i = 0; i < form_->Combo1->count(); ++i)
        entries.append(form_->Combo1->item(i)->text());
    return entries;
}

int ProductListPanel::currentRow() const
{
    const QModelIndex current = form_->List1->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> ProductListPanel::selectedRecords() const
{
    QModelIndexList selected = form_->List1->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int> records;
    records.reserve(size_t(selected.size()));
    for (const QModelIndex& index : selected)
        records.push_back(model_.recordAt(index.row()));
    return records;
}

void ProductListPanel::showSelection()
{
    const int row = currentRow();
    if (row >= 0 && state_->Loaded) {
        const ProductRecord product = state_->products.read(model_.recordAt(row));
        form_->pricelbl->setText(product.shown(ProductRecord::price));
        form_->pricelbl->show();
    }
    const QModelIndexList selected = form_->List1->selectionModel()->selectedRows();
    form_->selectedlbl->setText(selected.isEmpty() ? QString() : tr("%1 selected").arg(selected.size()));
    if (selected.size() == 1) {
        const ProductRecord product = state_->products.read(model_.recordAt(selected.first().row()));
        form_->categorylbl->setText(product.shown(ProductRecord::category));
        form_->categorylbl->setToolTip(tr(" Category of selected product "));
    } else {
        form_->categorylbl->clear();
        form_->categorylbl->setToolTip(QString());
    }
}

void ProductListPanel::enterPrice()
{
    const QModelIndexList selected = form_->List1->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        dialogs_->tell(tr("Select an item first, then right-click"));
        return;
    }
    if (selected.size() > 1)
        return;
    const int record = model_.recordAt(currentRow() >= 0 ? currentRow() : selected.first().row());
    if (record > state_->ProductCount()) {
        // The file was shortened by another program since the list was built.
        RebuildProductList();
        return;
    }
    ProductRecord product = state_->products.read(record);
    const QString prompt = tr("Enter price for ") + product.text(ProductRecord::item).toUpper() +
                           tr(" or cancel for no change.\r\n") +
                           tr("    (To remove a price altogether, press the spacebar once and click OK.)") +
                           QStringLiteral("\r\n\r\n\r\n\r\n");
    for (;;) {
        const QString answer =
            dialogs_->input(prompt, ui::Title::own(tr("Add or Change Item Price")), product.text(ProductRecord::price));
        if (answer.isEmpty())
            return;
        if (answer != QLatin1String(" ") && !data::isNumber(answer)) {
            dialogs_->tell(catalogue::priceProblem(answer), ui::Title::own(tr("Error")));
            continue;
        }
        const QString formatted = data::formatPattern(data::parseLenient(answer), u"###.00");
        const std::optional<QString> price = catalogue::storedPrice(formatted);
        if (!price) {
            // Too large for the field: refused rather than rounded, saying what fits.
            dialogs_->tell(catalogue::priceProblem(formatted), ui::Title::own(tr("Error")));
            continue;
        }
        product.set(ProductRecord::price, *price);
        if (dialogs_->reportFailure(state_->products.write(record, product)))
            return;
        form_->pricelbl->setText(product.text(ProductRecord::price));
        return;
    }
}

bool ProductListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_->List1 &&
        ui::handleListKeys(
            form_->List1, event, [this] { enterPrice(); }, [this] { emit addWithQuantityRequested(); }))
        return true;
    if (watched == form_->searchtxt && ui::isEscape(event) && !form_->searchtxt->text().isEmpty()) {
        // Esc in a search being typed gives the whole list back; it quits only from an empty box.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            form_->searchtxt->clear();
        return true;
    }
    if (watched == form_->List1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            // The price is entered for the product already selected; a right-click does
            // not change the selection.
            enterPrice();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            form_->List1->setToolTip(QString());
        if (event->type() == QEvent::ContextMenu)
            return true; // the right button has acted on its press already
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
