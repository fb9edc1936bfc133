#include "pantlogadd.h"

#include "LogRules.h"
#include "data/Numbers.h"
#include "ui/Dialogs.h"
#include "ui_pantlogadd.h"

#include <QFocusEvent>
#include <QTimer>

namespace shoplog {

using data::LogRecord;

namespace {
const char* const kNotValid = QT_TRANSLATE_NOOP("shoplog::pantlogadd", "Entry not valid");
}

pantlogadd::pantlogadd(LogViewerState& state, ui::Dialogs& dialogs, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantlogadd>())
    , state_(state)
    , dialogs_(dialogs)
{
    form_->setupUi(this);
    if (state_.editRequested) {
        const EntryFields f = fieldsOf(state_.file.read(state_.current));
        form_->listnametxt->setText(f.listname);
        form_->entrydatetxt->setText(f.entrydate);
        form_->totaltxt->setText(f.total);
        form_->couponstxt->setText(f.coupons);
        form_->commenttxt->setText(f.comment);
    }
    for (QLineEdit* box : {form_->totaltxt, form_->couponstxt, form_->entrydatetxt})
        box->installEventFilter(this);
    connect(form_->savecmd, &QPushButton::clicked, this, &pantlogadd::save);
    connect(form_->deletecmd, &QPushButton::clicked, this, &pantlogadd::deleteCurrent);
    connect(form_->quitcmd, &QPushButton::clicked, this, &QDialog::reject);
}

pantlogadd::~pantlogadd() = default;

bool pantlogadd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only leaving a box for another control counts, not switching windows.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == form_->entrydatetxt)
                form_->entrydatetxt->setText(checkedDate(form_->entrydatetxt->text()));
            else if (watched == form_->totaltxt || watched == form_->couponstxt)
                checkMoney(static_cast<QLineEdit*>(watched), true);
        }
    }
    return ui::SecondaryWindow::eventFilter(watched, event);
}

bool pantlogadd::checkMoney(QLineEdit* box, bool later)
{
    if (const auto money = checkedMoney(box->text())) {
        box->setText(*money);
        return true;
    }
    auto complain = [this, box] {
        complaintPending_ = false;
        if (!isVisible())
            return;
        dialogs_.tell(tr(kNotValid));
        box->setFocus(Qt::OtherFocusReason);
    };
    if (!later) {
        complain();
        return false;
    }
    // A box shown while the focus is still moving (a mouse press on a button) would swallow
    // that button's click half-way; so it is shown right after.
    complaintPending_ = true;
    QTimer::singleShot(0, this, complain);
    return false;
}

void pantlogadd::save()
{
    if (complaintPending_)
        return; // the complaint about the box just left comes first
    // A box that was never left is checked here, so no word is stored as a sum of money.
    if (!checkMoney(form_->couponstxt, false) || !checkMoney(form_->totaltxt, false))
        return;
    form_->entrydatetxt->setText(checkedDate(form_->entrydatetxt->text()));
    const EntryFields fields{form_->entrydatetxt->text(), form_->couponstxt->text(), form_->totaltxt->text(),
                             form_->commenttxt->text(), form_->listnametxt->text()};
    const std::optional<LogRecord> entry = entryFrom(fields);
    if (!entry) {
        // A sum too large for its field to the cent: said how large it may be.
        dialogs_.tell(tr(kNotValid) + tr("\r\nThe log keeps totals up to %1 and coupon savings up to %2.")
                                          .arg(data::largestMoneyWithCents(LogRecord::total.width),
                                               data::largestMoneyWithCents(LogRecord::coupons.width)));
        form_->totaltxt->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (dialogs_.reportFailure(state_.file.write(state_.current, *entry)))
        return;
    state_.refreshNeeded = true;
    accept();
}

void pantlogadd::deleteCurrent()
{
    if (state_.file.count() == 0)
        return;
    const LogRecord entry = state_.file.read(state_.current);
    const QString question = tr("Delete this record for ") + entry.text(LogRecord::entrydate) + QStringLiteral("?");
    if (dialogs_.ask(question, ui::Title::own(tr("Confirm")), ui::Buttons::YesNo, ui::Icon::Question) !=
        ui::Answer::Yes)
        return;
    const data::FileResult deleted = shoplog::deleteEntry(state_.file, state_.current);
    if (dialogs_.reportFailure(deleted)) {
        // The file is as it was; reopen it in case the failed replace left it closed.
        if (!state_.file.isOpen())
            dialogs_.reportFailure(state_.file.open(kLogFile));
        return;
    }
    state_.current = 0;
    state_.refreshNeeded = true;
    accept();
}

} // namespace shoplog
