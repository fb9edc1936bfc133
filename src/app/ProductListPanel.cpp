#include "ProductListPanel.h"

#include "data/Numbers.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace app {

using model::collectCategories;
using model::filterProducts;
using model::ProductFilter;
using model::SharedState;

using data::ProductRecord;

namespace {
bool isAll(const QString& category)
{
    return category.toUpper() == QLatin1String("ALL");
}
} // namespace

ProductListPanel::ProductListPanel(Ui::pantrix1& form, SharedState& state, ui::Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , form_(form)
    , state_(state)
    , dialogs_(dialogs)
    , model_(catalogue_, this)
{
    form_.List1->setModel(&model_);
    form_.List1->viewport()->installEventFilter(this);

    connect(form_.Combo1, &QListWidget::currentRowChanged, this, &ProductListPanel::categoryClicked);
    connect(form_.allcmd, &QPushButton::clicked, this, &ProductListPanel::allClicked);
    connect(form_.searchtxt, &QLineEdit::textChanged, this, &ProductListPanel::searchChanged);
    connect(form_.clearsrchcmd, &QPushButton::clicked, this, [this] {
        form_.searchtxt->clear();
        form_.searchtxt->setFocus();
    });
    connect(form_.fatbutton, &QPushButton::clicked, this, &ProductListPanel::toggleLoFat);
    connect(form_.lofatcmd, &QAction::triggered, this, &ProductListPanel::toggleLoFat);
    connect(form_.locarbbutton, &QPushButton::clicked, this, &ProductListPanel::toggleLoCarb);
    connect(form_.locarbcmd, &QAction::triggered, this, &ProductListPanel::toggleLoCarb);
    connect(form_.List1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProductListPanel::showSelection);
    connect(form_.List1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ProductListPanel::showSelection);
    connect(form_.List1, &QListView::doubleClicked, this, &ProductListPanel::addWithQuantityRequested);
}

void ProductListPanel::RebuildProductList()
{
    form_.pricelbl->clear();
    if (!state_.products.isOpen() || state_.products.name() != state_.ProductFile)
        state_.products.open(state_.ProductFile);
    state_.ProductCount = state_.products.count();
    if (state_.ProductCount == 0)
        return;

    catalogue_.load(state_.products.readAllBytes());
    ProductFilter filter;
    filter.search = form_.searchtxt->text();
    filter.loFat = state_.LoFatFilter == QLatin1String("1");
    filter.loCarb = state_.LoCarbFilter == QLatin1String("1");
    filter.category = state_.CategoryFilter;
    model_.setRows(filterProducts(catalogue_, filter));

    const int rows = model_.rowCount();
    form_.productlist->setTitle(isAll(state_.CategoryFilter)
                                    ? QStringLiteral("Product List (%1)").arg(rows)
                                    : QStringLiteral("%1 (%2)").arg(state_.CategoryFilter).arg(rows));
    form_.allcmd->setEnabled(!isAll(state_.CategoryFilter));
    for (QPushButton* b : {form_.editfoodcmd, form_.delfoodcmd, form_.foodoncmd})
        b->setEnabled(rows > 0);

    if (state_.ProductRowToSelect >= 0 && state_.ProductRowToSelect < rows) {
        form_.List1->selectionModel()->setCurrentIndex(model_.index(state_.ProductRowToSelect),
                                                       QItemSelectionModel::ClearAndSelect);
        form_.List1->setFocus();
        showSelection();
    }
}

void ProductListPanel::clearList()
{
    model_.clear();
    form_.pricelbl->clear();
    // An empty list counts no rows and offers nothing to act on.
    form_.productlist->setTitle(isAll(state_.CategoryFilter) ? QStringLiteral("Product List (0)")
                                                             : QStringLiteral("%1 (0)").arg(state_.CategoryFilter));
    for (QPushButton* b : {form_.editfoodcmd, form_.delfoodcmd, form_.foodoncmd})
        b->setEnabled(false);
    showSelection();
}

void ProductListPanel::RebuildCategories()
{
    rebuildingCategories_ = true;
    form_.Combo1->clear();
    form_.Combo1->addItem(QStringLiteral("All"));
    catalogue_.load(state_.products.readAllBytes());
    form_.Combo1->addItems(collectCategories(catalogue_));

    // Show the category being viewed. It may have moved since the box was last filled
    // (a new category sorts in before it), so it is found by name; a category that is
    // gone takes the view back to All.
    int row = 0;
    if (!isAll(state_.CategoryFilter) && !state_.CategoryFilter.isEmpty()) {
        for (int i = 1; i < form_.Combo1->count() && row == 0; ++i) {
            if (form_.Combo1->item(i)->text().compare(state_.CategoryFilter, Qt::CaseInsensitive) == 0)
                row = i;
        }
        if (row == 0)
            state_.CategoryFilter = QStringLiteral("ALL");
    } else if (state_.CategoryRowToSelect > 0 && state_.CategoryRowToSelect < form_.Combo1->count()) {
        row = state_.CategoryRowToSelect;
    }
    form_.Combo1->setCurrentRow(row);
    rebuildingCategories_ = false;
}

void ProductListPanel::categoryClicked()
{
    if (rebuildingCategories_ || form_.Combo1->currentRow() < 0)
        return;
    state_.CategoryFilter = form_.Combo1->currentItem()->text();
    if (!isAll(state_.CategoryFilter)) {
        form_.categorycmd->setEnabled(true);
        state_.EditorCategory = state_.CategoryFilter;
        catalogue_.load(state_.products.readAllBytes());
        const QString wanted = state_.CategoryFilter.toUpper();
        bool carried = false;
        for (int i = 0; i < catalogue_.size() && !carried; ++i)
            carried = catalogue_.entry(i).categoryKey == wanted;
        if (!carried) {
            RebuildCategories();
            state_.CategoryFilter = QStringLiteral("ALL");
        }
    } else {
        form_.categorycmd->setEnabled(false);
    }
    RebuildProductList();
    if (rowCount() > 0)
        form_.List1->selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::ClearAndSelect);
}

void ProductListPanel::allClicked()
{
    if (state_.ProductCount == 0)
        return;
    state_.CategoryFilter = QStringLiteral("ALL");
    RebuildProductList();
    {
        const QSignalBlocker quiet(form_.Combo1);
        form_.Combo1->setCurrentRow(0);
    }
    form_.Combo1->scrollToTop();
    if (rowCount() > 0)
        form_.List1->selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::ClearAndSelect);
    form_.allcmd->setEnabled(false);
}

void ProductListPanel::searchChanged()
{
    RebuildProductList();
    form_.searchtxt->setFocus();
}

void ProductListPanel::toggleLoFat()
{
    state_.LoFatFilter = state_.LoFatFilter == QLatin1String("1") ? QString() : QStringLiteral("1");
    showFilterMarks();
    RebuildProductList();
}

void ProductListPanel::toggleLoCarb()
{
    state_.LoCarbFilter = state_.LoCarbFilter == QLatin1String("1") ? QString() : QStringLiteral("1");
    showFilterMarks();
    RebuildProductList();
}

void ProductListPanel::showFilterMarks()
{
    const bool loFat = state_.LoFatFilter == QLatin1String("1");
    const bool loCarb = state_.LoCarbFilter == QLatin1String("1");
    form_.lofatcmd->setChecked(loFat);
    form_.fatbutton->setChecked(loFat);
    form_.locarbcmd->setChecked(loCarb);
    form_.locarbbutton->setChecked(loCarb);
}

int ProductListPanel::currentRow() const
{
    const QModelIndex current = form_.List1->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> ProductListPanel::selectedRecords() const
{
    QModelIndexList selected = form_.List1->selectionModel()->selectedRows();
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
    if (row >= 0 && state_.Loaded == 1) {
        const ProductRecord product = state_.products.read(model_.recordAt(row));
        form_.pricelbl->setText(product.get(ProductRecord::price));
        form_.pricelbl->show();
    }
    const QModelIndexList selected = form_.List1->selectionModel()->selectedRows();
    form_.selectedlbl->setText(selected.isEmpty() ? QString() : QStringLiteral("%1 selected").arg(selected.size()));
    if (selected.size() == 1) {
        const ProductRecord product = state_.products.read(model_.recordAt(selected.first().row()));
        form_.categorylbl->setText(product.get(ProductRecord::category));
        form_.categorylbl->setToolTip(QStringLiteral(" Category of selected product "));
    } else {
        form_.categorylbl->clear();
        form_.categorylbl->setToolTip(QString());
    }
}

void ProductListPanel::enterPrice()
{
    const QModelIndexList selected = form_.List1->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        dialogs_.tell(QStringLiteral("Select an item first, then right-click"));
        return;
    }
    if (selected.size() > 1)
        return;
    const int record = model_.recordAt(currentRow() >= 0 ? currentRow() : selected.first().row());
    ProductRecord product = state_.products.read(record);
    const QString prompt = QStringLiteral("Enter price for ") + product.text(ProductRecord::item).toUpper() +
                           QStringLiteral(" or cancel for no change.\r\n") +
                           QStringLiteral("    (To remove a price altogether, press the spacebar once and click OK.)") +
                           QStringLiteral("\r\n\r\n\r\n\r\n");
    for (;;) {
        const QString answer = dialogs_.input(prompt, ui::Title::own(QStringLiteral("Add or Change Item Price")),
                                              product.text(ProductRecord::price));
        if (answer.isEmpty())
            return;
        if (answer != QLatin1String(" ") && !data::isNumber(answer)) {
            dialogs_.tell(QStringLiteral("Bad entry."), ui::Title::own(QStringLiteral("Error")));
            continue;
        }
        product.set(ProductRecord::price, data::formatPattern(data::parseLenient(answer), u"###.00"));
        if (dialogs_.reportFailure(state_.products.write(record, product)))
            return;
        form_.pricelbl->setText(product.text(ProductRecord::price));
        return;
    }
}

bool ProductListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_.List1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            // The price is entered for the product already selected; a right-click does
            // not change the selection.
            enterPrice();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            form_.List1->setToolTip(QString());
        if (event->type() == QEvent::ContextMenu) {
            // The menu key does what the right button does.
            if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
                enterPrice();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
