#include "CouponPanel.h"

#include "CouponRules.h"
#include "app/ShoppingListPanel.h"
#include "app/pantrix1.h"
#include "data/FixedField.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

#include <QFocusEvent>

namespace catalogue {

using data::ShoppingItemRecord;

CouponPanel::CouponPanel(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , window_(window)
    , state_(state)
    , dialogs_(dialogs)
{
    Ui::pantrix1& form = window_.form();
    QFont caption = form.couponcaption->font();
    caption.setBold(true);
    form.couponcaption->setFont(caption);
    form.valuetxt->installEventFilter(this);
    connect(&window_.shoppingList(), &app::ShoppingListPanel::couponRequested, this, &CouponPanel::open);
    connect(form.okcmd, &QPushButton::clicked, this, &CouponPanel::accept);
    connect(form.valuetxt, &QLineEdit::returnPressed, this, [this] {
        leaveValue();
        accept();
    });
    connect(form.cancelcmd, &QPushButton::clicked, form.couponpanel, &QWidget::hide);
    connect(form.delcouponcmd, &QPushButton::clicked, this, &CouponPanel::removeCoupon);
    connect(form.coupontotalcmd, &QPushButton::clicked, this, &CouponPanel::listCoupons);
}

void CouponPanel::open(int record)
{
    Ui::pantrix1& form = window_.form();
    const ShoppingItemRecord item = state_.items.read(record);
    placeOverList();
    form.couponpanel->show();
    form.couponpanel->raise();
    form.productlbl->setText(item.get(ShoppingItemRecord::item));
    form.valuetxt->setText(couponBoxText(item));
    form.valuetxt->setFocus();
}

void CouponPanel::placeOverList()
{
    // Centred over the Shopping List, so the item it belongs to stays in view beside it.
    Ui::pantrix1& form = window_.form();
    QWidget* panel = form.couponpanel;
    panel->adjustSize();
    const QRect list(form.List2->mapTo(panel->parentWidget(), QPoint(0, 0)), form.List2->size());
    QRect place(QPoint(0, 0), panel->size().expandedTo(panel->minimumSizeHint()));
    place.moveCenter(list.center());
    panel->setGeometry(place);
}

void CouponPanel::leaveValue()
{
    QLineEdit* box = window_.form().valuetxt;
    if (data::trimBlanks(box->text()).isEmpty())
        return;
    const QString normalized = normalizedCouponText(box->text());
    box->setText(normalized);
    if (normalized.isEmpty())
        box->setFocus();
}

void CouponPanel::accept()
{
    writeCoupon(data::trimBlanks(window_.form().valuetxt->text()));
    window_.form().List2->setFocus();
}

void CouponPanel::removeCoupon()
{
    if (data::trimBlanks(window_.form().valuetxt->text()).isEmpty())
        return;
    writeCoupon(QString());
}

void CouponPanel::writeCoupon(const QString& coupon)
{
    // The item of the current line: the right-click that opened the panel did not move it,
    // and any other click on the list closes the panel.
    const int row = window_.form().List2->currentRow();
    window_.form().couponpanel->hide();
    if (row < 0)
        return;
    const int record = window_.shoppingList().recordAt(row);
    ShoppingItemRecord item = state_.items.read(record);
    item.set(ShoppingItemRecord::coupon, coupon);
    const data::FileResult written = state_.items.write(record, item);
    dialogs_.reportFailure(written);
    window_.RebuildShoppingList();
}

void CouponPanel::listCoupons()
{
    std::vector<ShoppingItemRecord> items = state_.items.readAll();
    items.resize(std::min(items.size(), size_t(state_.ItemCount)));
    dialogs_.tell(couponListText(items), ui::Title::own(QStringLiteral("Coupons...")));
}

bool CouponPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_.form().valuetxt && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveValue();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace catalogue
