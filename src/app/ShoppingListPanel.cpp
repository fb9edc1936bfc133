#include "ShoppingListPanel.h"

#include "ProductListPanel.h"
#include "data/Numbers.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

#include <QMouseEvent>

namespace app {

using model::buildShoppingList;
using model::changeQuantity;
using model::couponSavingsCaption;
using model::listCaption;
using model::makeShoppingItem;
using model::SharedState;
using model::ShoppingRow;

using data::ShoppingItemRecord;

ShoppingListPanel::ShoppingListPanel(Ui::pantrix1& form, SharedState& state, ui::Dialogs& dialogs,
                                     ProductListPanel& products, QObject* parent)
    : QObject(parent)
    , form_(form)
    , state_(state)
    , dialogs_(dialogs)
    , products_(products)
{
    form_.List2->viewport()->installEventFilter(this);
    connect(form_.foodoncmd, &QPushButton::clicked, this, &ShoppingListPanel::Add);
    connect(&products_, &ProductListPanel::addWithQuantityRequested, this, [this] {
        state_.AddMode = QStringLiteral("1");
        Add();
    });
    connect(form_.List2, &QListWidget::itemDoubleClicked, this, [this] {
        state_.AddMode = QStringLiteral("2");
        Add();
    });
    connect(form_.foodoffcmd, &QPushButton::clicked, this, &ShoppingListPanel::Remove);
    connect(form_.clearlistcmd, &QPushButton::clicked, this, &ShoppingListPanel::Clear);
    connect(form_.alphasort, &QRadioButton::clicked, this, [this] { setOrder(0); });
    connect(form_.sortcat, &QRadioButton::clicked, this, [this] { setOrder(1); });
    connect(form_.List2, &QListWidget::itemSelectionChanged, this, &ShoppingListPanel::rowClicked);
}

void ShoppingListPanel::RebuildShoppingList()
{
    if (state_.ItemCount == 0)
        return;
    form_.List2->clear();
    form_.tabtxt->clear();
    form_.coupontotalcmd->hide();

    std::vector<ShoppingItemRecord> records = state_.items.readAll();
    records.resize(std::min(records.size(), size_t(state_.ItemCount)));
    view_ = buildShoppingList(records, state_.ListOrder);

    form_.tabtxt->setText(view_.totalText);
    state_.ListCaption = listCaption(state_.ListFile, view_.totalText);
    form_.listlbl->setText(state_.ListCaption);
    QStringList texts;
    texts.reserve(qsizetype(view_.rows.size()));
    for (const ShoppingRow& row : view_.rows)
        texts.append(row.text);
    form_.List2->addItems(texts);
    if (view_.couponTotal > 0) {
        form_.coupontotalcmd->setText(couponSavingsCaption(view_.couponTotal));
        form_.coupontotalcmd->show();
    }
    form_.clearlistcmd->setEnabled(true);
    form_.foodoffcmd->setEnabled(true);
}

void ShoppingListPanel::showEmpty()
{
    view_ = {};
    form_.clearlistcmd->setEnabled(false);
    form_.printlistcmd->setEnabled(false);
    form_.foodoffcmd->setEnabled(false);
    form_.coupontotalcmd->hide();
    form_.costlbl->clear();
    form_.List2->clear();
    form_.tabtxt->clear();
    state_.ListCaption = listCaption(state_.ListFile, QString());
    form_.listlbl->setText(state_.ListCaption);
}

void ShoppingListPanel::OpenListFile()
{
    dialogs_.reportFailure(state_.items.open(state_.ListFile));
    form_.coupontotalcmd->hide();
    state_.ItemCount = state_.items.count();
    if (state_.ItemCount == 0) {
        showEmpty();
        return;
    }
    state_.CategoryFilter = QStringLiteral("ALL");
    form_.searchtxt->clear();
    RebuildShoppingList();
}

int ShoppingListPanel::selectedRow() const
{
    const QList<QListWidgetItem*> selected = form_.List2->selectedItems();
    return selected.isEmpty() ? -1 : form_.List2->row(selected.first());
}

QString ShoppingListPanel::askQuantity(const QString& prompt, const QString& defaultAnswer)
{
    for (;;) {
        const QString answer = dialogs_.input(prompt, ui::Title::application(), defaultAnswer);
        if (answer.isEmpty() || data::isNumber(answer))
            return answer;
        dialogs_.tell(QStringLiteral("Bad entry"));
    }
}

void ShoppingListPanel::Add()
{
    const QString mode = state_.AddMode;
    state_.AddMode.clear();
    if (mode == QLatin1String("2")) {
        Change();
        return;
    }
    if (products_.currentRow() < 0) {
        dialogs_.tell(QStringLiteral("Select an item!"), ui::Title::own(QStringLiteral("Add...")));
        return;
    }
    QString quantity = QStringLiteral("1");
    if (mode == QLatin1String("1")) {
        quantity = askQuantity(QStringLiteral("Enter a quantity..."), QStringLiteral("2"));
        if (quantity.isEmpty())
            return;
    }
    for (int record : products_.selectedRecords()) {
        const data::ProductRecord product = state_.products.read(record);
        if (dialogs_.reportFailure(state_.items.write(state_.ItemCount + 1, makeShoppingItem(product, quantity))))
            break;
        ++state_.ItemCount;
    }
    RebuildShoppingList();
}

void ShoppingListPanel::Change()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int record = recordAt(row);
    ShoppingItemRecord item = state_.items.read(record);
    const QString quantity =
        askQuantity(QStringLiteral("Enter a NEW quantity for ") + item.get(ShoppingItemRecord::item),
                    item.text(ShoppingItemRecord::quantity));
    if (quantity.isEmpty())
        return;
    changeQuantity(item, quantity);
    const QString name = item.text(ShoppingItemRecord::item);
    const QString renamed =
        dialogs_.input(QStringLiteral("Modify the item information for ") + name, ui::Title::application(), name);
    if (!renamed.isEmpty())
        item.set(ShoppingItemRecord::item, renamed);
    dialogs_.reportFailure(state_.items.write(record, item));
    RebuildShoppingList();
}

void ShoppingListPanel::Remove()
{
    const int row = selectedRow();
    if (row < 0) {
        dialogs_.tell(QStringLiteral("Select an item"), ui::Title::own(QStringLiteral("Remove...")));
        return;
    }
    if (state_.ItemCount <= 1) {
        if (!dialogs_.reportFailure(state_.items.replaceAll({}))) {
            state_.ItemCount = 0;
            showEmpty();
        }
        return;
    }
    // The selected row's own record goes, found through the row's record number, so of two
    // items with the same name the one the user picked is removed.
    std::vector<ShoppingItemRecord> kept = state_.items.readAll();
    kept.resize(std::min(kept.size(), size_t(state_.ItemCount)));
    kept.erase(kept.begin() + (recordAt(row) - 1));
    if (dialogs_.reportFailure(state_.items.replaceAll(kept)))
        return;
    state_.ItemCount = int(kept.size());
    RebuildShoppingList();
    form_.List2->setCurrentRow(row < form_.List2->count() ? row : 0);
}

void ShoppingListPanel::Clear()
{
    const ui::Answer answer = dialogs_.ask(
        QStringLiteral("Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?"),
        ui::Title::own(QStringLiteral("Confirm")), ui::Buttons::YesNo, ui::Icon::Question);
    if (answer != ui::Answer::Yes)
        return;
    if (dialogs_.reportFailure(state_.items.replaceAll({})))
        return;
    state_.ItemCount = 0;
    showEmpty();
}

void ShoppingListPanel::setOrder(int order)
{
    state_.ListOrder = order;
    RebuildShoppingList();
}

void ShoppingListPanel::rowClicked()
{
    form_.couponpanel->hide();
    const int row = selectedRow();
    if (row < 0)
        return;
    form_.costlbl->setText(view_.rows[size_t(row)].costText);
    form_.foodoffcmd->setEnabled(true);
}

void ShoppingListPanel::rightClicked()
{
    if (form_.List2->count() == 0)
        return;
    const int row = form_.List2->currentRow();
    if (row < 0) {
        dialogs_.tell(QStringLiteral("Select product with left mouse before right-clicking."));
        return;
    }
    emit couponRequested(recordAt(row));
}

bool ShoppingListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_.List2->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            rightClicked();
            return true;
        }
        if (event->type() == QEvent::ContextMenu)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
