#include "LogCommands.h"

#include "LogRules.h"
#include "data/Numbers.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "model/ShoppingListRules.h"
#include "pantlog1.h"
#include "ui/Dialogs.h"

#include <QWidget>

namespace shoplog {

LogCommands::LogCommands(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
                         model::ListViews& views, QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , views_(views)
    , window_(window)
{
}

LogCommands::~LogCommands() = default;

pantlog1* LogCommands::viewer() const
{
    return viewer_;
}

void LogCommands::logput()
{
    if (state_.ItemCount() == 0)
        return;
    LogFile log;
    if (dialogs_.reportFailure(log.open(kLogFile)))
        return;
    const double couponTotal =
        model::buildShoppingList(state_.items.readAll(), model::ListOrder::Alphabetical).couponTotal;
    std::optional<data::LogRecord> entry =
        makeLogEntry(QDate::currentDate(), views_.shoppingTotal(), couponTotal, state_.ListFile, {});
    if (!entry) {
        dialogs_.tell(tr("The total of this shopping list is too large for the log.  The log keeps totals "
                         "up to %1 and coupon savings up to %2.")
                          .arg(data::largestMoneyWithCents(data::LogRecord::total.width),
                               data::largestMoneyWithCents(data::LogRecord::coupons.width)),
                      ui::Title::application(), ui::Icon::Exclamation);
        return;
    }
    switch (dialogs_.ask(tr("Do you wish to include a comment with this entry?"), ui::Title::none(),
                         ui::Buttons::YesNoCancel, ui::Icon::Question)) {
    case ui::Answer::Yes:
        entry->set(data::LogRecord::comment, dialogs_.input(tr("Enter your comment..."), ui::Title::application(), {}));
        break;
    case ui::Answer::No:
        break;
    default:
        return;
    }
    if (dialogs_.reportFailure(log.append(*entry)))
        return;
    dialogs_.tell(tr("Entry Filed"), ui::Title::none());
}

void LogCommands::logsee()
{
    // A fresh window every time, so it shows the file as it is now.
    ui::openFresh(viewer_, dialogs_, printer_, desktop_, window_);
    connect(viewer_, &QDialog::finished, this, &LogCommands::logClosed);
}

} // namespace shoplog
