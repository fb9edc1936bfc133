#include "ShoppingListPanel.h"

#include "ProductListModel.h"
#include "ProductListPanel.h"
#include "customlists/CustomListPanel.h"
#include "data/Numbers.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardPaths.h"
#include "ui_ShoppingListPanel.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace app {

using data::ShoppingItemRecord;
using model::AddMode;
using model::ListOrder;

ShoppingListPanel::ShoppingListPanel(QWidget* parent)
    : QWidget(parent)
    , form_(std::make_unique<Ui::ShoppingListPanel>())
{
    form_->setupUi(this);
    form_->List2->setModel(&texts_);
    form_->coupontotalcmd->hide();
    form_->tabtxt->hide();
    form_->costlblss->setText(tr("Item cost:"));
    form_->listlbl->setStyleSheet(QStringLiteral("font-weight: bold;"));
}

ShoppingListPanel::~ShoppingListPanel() = default;

void ShoppingListPanel::setUp(model::SharedState& state, ui::Dialogs& dialogs, ProductListPanel& products)
{
    state_ = &state;
    dialogs_ = &dialogs;
    products_ = &products;
    form_->customPanel->setUp(state);
    connect(form_->customPanel, &customlists::CustomListPanel::captionChanged, this, &ShoppingListPanel::showCaption);
    connect(form_->customPanel, &customlists::CustomListPanel::viewsShown, this,
            [this](bool shown) { form_->List2->setVisible(!shown); });
    form_->List2->viewport()->installEventFilter(this);
    connect(products_, &ProductListPanel::addWithQuantityRequested, this, [this] {
        state_->addMode = AddMode::AskQuantity;
        Add();
    });
    connect(form_->List2, &QAbstractItemView::doubleClicked, this, &ShoppingListPanel::changeCurrent);
    setUpKeysAndDrops();
    connect(form_->alphasort, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setOrder(ListOrder::Alphabetical);
    });
    connect(form_->sortcat, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setOrder(ListOrder::ByCategory);
    });
    connect(form_->List2->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ShoppingListPanel::showRow);
    connect(form_->coupontotalcmd, &QPushButton::clicked, this, &ShoppingListPanel::couponListRequested);
}

void ShoppingListPanel::setUpKeysAndDrops()
{
    form_->List2->installEventFilter(this);
    form_->copyItemsAction->setShortcuts(ui::standardKeys(QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_C)));
    connect(form_->copyItemsAction, &QAction::triggered, this, [this] { ui::copySelectedRows(form_->List2); });
    // Products dropped on the list are added as Add adds them; the list's own model takes
    // no drops of rows.
    form_->List2->viewport()->setAcceptDrops(true);
}

void ShoppingListPanel::changeCurrent()
{
    state_->addMode = AddMode::Change;
    Add();
}

void ShoppingListPanel::RebuildShoppingList()
{
    if (state_->ItemCount() == 0)
        return;
    showList(buildShoppingList(state_->items.readAll(), state_->listOrder));
}

void ShoppingListPanel::showList(model::ShoppingListView view)
{
    form_->coupontotalcmd->hide();
    view_ = std::move(view);

    form_->tabtxt->setText(view_.totalText);
    state_->ListCaption = model::listCaption(state_->ListFile, view_.totalText);
    // A custom list view keeps its own caption; leaving it puts this one back.
    if (!form_->customPanel->showing())
        form_->listlbl->setText(state_->ListCaption);
    QStringList texts;
    texts.reserve(qsizetype(view_.rows.size()));
    for (const model::ShoppingRow& row : view_.rows)
        texts.append(row.text);
    texts_.setStringList(texts);
    if (view_.couponTotal > 0) {
        form_->coupontotalcmd->setText(model::couponSavingsCaption(view_.couponTotal));
        form_->coupontotalcmd->show();
    }
    emit changed();
}

void ShoppingListPanel::showEmpty()
{
    view_ = {};
    form_->coupontotalcmd->hide();
    form_->costlbl->clear();
    texts_.setStringList({});
    form_->tabtxt->clear();
    state_->ListCaption = model::listCaption(state_->ListFile, QString());
    form_->listlbl->setText(state_->ListCaption);
    emit changed();
}

void ShoppingListPanel::OpenListFile()
{
    dialogs_->reportFailure(state_->items.open(state_->ListFile));
    form_->coupontotalcmd->hide();
    if (state_->ItemCount() == 0) {
        showEmpty();
        return;
    }
    state_->CategoryFilter = model::CategoryFilter::all();
    RebuildShoppingList();
}

bool ShoppingListPanel::refreshFromDisk()
{
    if (state_->ItemCount() == 0) {
        if (view_.rows.empty())
            return false;
        showEmpty();
        return true;
    }
    model::ShoppingListView now = buildShoppingList(state_->items.readAll(), state_->listOrder);
    if (now == view_)
        return false; // the program's own write, shown already
    showList(std::move(now));
    return true;
}

void ShoppingListPanel::showCaption(const QString& caption)
{
    form_->listlbl->setText(caption);
}

int ShoppingListPanel::selectedRow() const
{
    const QModelIndexList selected = form_->List2->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ShoppingListPanel::currentRecord() const
{
    const int row = form_->List2->currentIndex().row();
    return row >= 0 && row < int(view_.rows.size()) ? view_.rows[size_t(row)].record : 0;
}

QStringList ShoppingListPanel::rows() const
{
    return texts_.stringList();
}

QString ShoppingListPanel::totalText() const
{
    return form_->tabtxt->text();
}

QWidget* ShoppingListPanel::listView() const
{
    return form_->List2;
}

customlists::CustomListPanel& ShoppingListPanel::customLists() const
{
    return *form_->customPanel;
}

bool ShoppingListPanel::rowStillInFile(int row)
{
    if (row < int(view_.rows.size()) && view_.rows[size_t(row)].record <= state_->ItemCount())
        return true;
    // Another program shortened the file since the list was built.
    if (state_->ItemCount() == 0)
        showEmpty();
    else
        RebuildShoppingList();
    return false;
}

QString ShoppingListPanel::askQuantity(const QString& prompt, const QString& defaultAnswer)
{
    for (;;) {
        const QString answer = dialogs_->input(prompt, ui::Title::application(), defaultAnswer);
        if (answer.isEmpty() || data::isNumber(answer))
            return answer;
        dialogs_->tell(tr("Bad entry"));
    }
}

void ShoppingListPanel::Add()
{
    const AddMode mode = std::exchange(state_->addMode, AddMode::Plain);
    if (mode == AddMode::Change) {
        Change();
        return;
    }
    if (products_->currentRow() < 0) {
        dialogs_->tell(tr("Select an item!"), ui::Title::own(tr("Add...")));
        return;
    }
    std::vector<ShoppingItemRecord> added;
    for (;;) {
        QString quantity = QStringLiteral("1");
        if (mode == AddMode::AskQuantity) {
            quantity = askQuantity(tr("Enter a quantity..."), QStringLiteral("2"));
            if (quantity.isEmpty())
                return;
        }
        // Taken after the quantity was asked: the files may have changed meanwhile.
        const std::optional<std::vector<data::ProductRecord>> chosen =
            model::productsAt(state_->products, products_->selectedRecords());
        if (!chosen) {
            emit productsVanished();
            dialogs_->tell(QCoreApplication::translate("model", model::kProductsReloaded));
            return;
        }
        added.clear();
        QString refusal;
        for (const data::ProductRecord& product : *chosen) {
            // A quantity or price that cannot be written whole is refused, never cut.
            if (auto item = model::shoppingItemFor(product, quantity, model::PriceText::Plain, &refusal))
                added.push_back(*item);
        }
        if (added.size() == chosen->size() || mode != AddMode::AskQuantity)
            break;
        dialogs_->tell(refusal);
    }
    // All the items or none.
    dialogs_->reportFailure(state_->items.appendBytes(data::bytesFromRecords(added)));
    RebuildShoppingList();
}

void ShoppingListPanel::Change()
{
    const int row = selectedRow();
    if (row < 0 || !rowStillInFile(row))
        return;
    const int record = view_.rows[size_t(row)].record;
    ShoppingItemRecord item = state_->items.read(record);
    for (;;) {
        const QString quantity = askQuantity(tr("Enter a NEW quantity for ") + item.text(ShoppingItemRecord::item),
                                             item.text(ShoppingItemRecord::quantity));
        if (quantity.isEmpty())
            return;
        QString refusal;
        if (model::changeQuantity(item, quantity, &refusal))
            break;
        // A quantity or price that cannot be written whole is refused, never cut.
        dialogs_->tell(refusal);
    }
    const QString name = item.text(ShoppingItemRecord::item);
    const QString renamed =
        dialogs_->input(tr("Modify the item information for ") + name, ui::Title::application(), name);
    if (!renamed.isEmpty())
        item.set(ShoppingItemRecord::item, renamed);
    dialogs_->reportFailure(state_->items.write(record, item));
    RebuildShoppingList();
}

void ShoppingListPanel::Remove()
{
    const int row = selectedRow();
    if (row < 0) {
        dialogs_->tell(tr("Select an item"), ui::Title::own(tr("Remove...")));
        return;
    }
    if (!rowStillInFile(row))
        return;
    // The selected row's own record goes, found through the row's record number, so of two
    // items with the same name the one the user picked is removed.
    std::vector<ShoppingItemRecord> kept = state_->items.readAll();
    kept.erase(kept.begin() + (view_.rows[size_t(row)].record - 1));
    if (dialogs_->reportFailure(state_->items.replaceAll(kept)))
        return;
    if (kept.empty()) {
        showEmpty();
        return;
    }
    RebuildShoppingList();
    selectRow(row < texts_.rowCount() ? row : 0);
}

void ShoppingListPanel::Clear()
{
    const ui::Answer answer =
        dialogs_->ask(tr("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?"),
                      ui::Title::own(tr("Confirm")), ui::Buttons::YesNo, ui::Icon::Question);
    if (answer != ui::Answer::Yes)
        return;
    if (dialogs_->reportFailure(state_->items.replaceAll({})))
        return;
    showEmpty();
}

void ShoppingListPanel::setOrder(ListOrder order)
{
    state_->listOrder = order;
    RebuildShoppingList();
}

void ShoppingListPanel::restoreOrder(ListOrder order)
{
    state_->listOrder = order;
    const QSignalBlocker quietAlpha(form_->alphasort);
    const QSignalBlocker quietCategory(form_->sortcat);
    form_->alphasort->setChecked(order == ListOrder::Alphabetical);
    form_->sortcat->setChecked(order == ListOrder::ByCategory);
}

void ShoppingListPanel::showRow()
{
    emit rowClicked();
    const int row = selectedRow();
    if (row < 0 || row >= int(view_.rows.size()))
        return;
    form_->costlbl->setText(view_.rows[size_t(row)].costText);
    emit changed();
}

void ShoppingListPanel::rightClicked()
{
    if (texts_.rowCount() == 0)
        return;
    const int row = form_->List2->currentIndex().row();
    if (row < 0) {
        dialogs_->tell(tr("Select product with left mouse before right-clicking."));
        return;
    }
    if (rowStillInFile(row))
        emit couponRequested(view_.rows[size_t(row)].record);
}

void ShoppingListPanel::selectRow(int row)
{
    form_->List2->selectionModel()->setCurrentIndex(texts_.index(row), QItemSelectionModel::ClearAndSelect);
}

bool ShoppingListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_->List2 && ui::handleListKeys(
                                       form_->List2, event, [this] { rightClicked(); }, [this] { changeCurrent(); }))
        return true;
    if (watched == form_->List2->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!carriesOwnProducts(drop->mimeData())) {
                drop->ignore();
                return true;
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (event->type() == QEvent::Drop)
                Add(); // the dragged products are the selected ones
            return true;
        }
        default:
            break;
        }
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            rightClicked();
            return true;
        }
        if (event->type() == QEvent::ContextMenu)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
