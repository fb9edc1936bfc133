#include "CouponPanel.h"

#include "CouponRules.h"
#include "data/FixedField.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardPaths.h"
#include "ui_CouponPanel.h"

#include <QFocusEvent>

namespace catalogue {

using data::ShoppingItemRecord;

CouponPanel::CouponPanel(QWidget* parent)
    : QFrame(parent)
    , form_(std::make_unique<Ui::CouponPanel>())
{
    form_->setupUi(this);
    QFont caption = form_->couponcaption->font();
    caption.setBold(true);
    form_->couponcaption->setFont(caption);
    hide();
}

CouponPanel::~CouponPanel() = default;

void CouponPanel::setUp(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QWidget* anchor)
{
    state_ = &state;
    dialogs_ = &dialogs;
    views_ = &views;
    anchor_ = anchor;
    form_->valuetxt->installEventFilter(this);
    connect(form_->okcmd, &QPushButton::clicked, this, &CouponPanel::accept);
    connect(form_->valuetxt, &QLineEdit::returnPressed, this, [this] {
        leaveValue();
        accept();
    });
    connect(form_->cancelcmd, &QPushButton::clicked, this, &CouponPanel::cancel);
    connect(form_->delcouponcmd, &QPushButton::clicked, this, &CouponPanel::removeCoupon);
}

void CouponPanel::open(int record)
{
    const ShoppingItemRecord item = state_->items.read(record);
    placeOverList();
    show();
    raise();
    form_->productlbl->setText(item.shown(ShoppingItemRecord::item));
    form_->valuetxt->setText(couponBoxText(item));
    form_->valuetxt->setFocus();
}

void CouponPanel::placeOverList()
{
    // Centred over the Shopping List, so the item it belongs to stays in view beside it.
    adjustSize();
    const QRect list(anchor_->mapTo(parentWidget(), QPoint(0, 0)), anchor_->size());
    QRect place(QPoint(0, 0), size().expandedTo(minimumSizeHint()));
    place.moveCenter(list.center());
    setGeometry(place);
}

void CouponPanel::leaveValue()
{
    QLineEdit* box = form_->valuetxt;
    if (data::trimBlanks(box->text()).isEmpty())
        return;
    const QString normalized = normalizedCouponText(box->text());
    box->setText(normalized);
    if (normalized.isEmpty())
        box->setFocus();
}

void CouponPanel::accept()
{
    const std::optional<QString> coupon = storedCouponText(form_->valuetxt->text());
    if (!coupon) {
        // Not a number, below zero, or too large for the field: nothing is written, and the
        // panel stays for another value.
        dialogs_->tell(couponProblem(form_->valuetxt->text()));
        form_->valuetxt->setFocus();
        return;
    }
    writeCoupon(*coupon);
    anchor_->setFocus();
}

void CouponPanel::cancel()
{
    hide();
    anchor_->setFocus(); // back to the item, for the keyboard
}

bool CouponPanel::event(QEvent* event)
{
    // Esc in the panel cancels the coupon, as Cancel does; it does not quit the program.
    if (ui::isEscape(event)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            cancel();
        return true;
    }
    return QFrame::event(event);
}

void CouponPanel::removeCoupon()
{
    if (data::trimBlanks(form_->valuetxt->text()).isEmpty())
        return;
    writeCoupon(QString());
}

void CouponPanel::writeCoupon(const QString& coupon)
{
    // The item of the current line: the right-click that opened the panel did not move it,
    // and any other click on the list closes the panel.
    const int record = views_->currentItemRecord();
    hide();
    if (record == 0)
        return;
    if (record <= state_->ItemCount()) {
        ShoppingItemRecord item = state_->items.read(record);
        item.set(ShoppingItemRecord::coupon, coupon);
        dialogs_->reportFailure(state_->items.write(record, item));
    }
    // A record another program removed meanwhile is not written; the list shows the file.
    views_->RebuildShoppingList();
}

void CouponPanel::listCoupons()
{
    dialogs_->tell(couponListText(state_->items.readAll()), ui::Title::own(tr("Coupons...")));
}

bool CouponPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_->valuetxt && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveValue();
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace catalogue
