#include "PrintCommands.h"

#include "ProductListPrintout.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "notes/pantnote.h"
#include "pantprnt.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"

namespace print {

PrintCommands::PrintCommands(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer,
                             ui::Desktop& desktop, model::ListViews& views, QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , views_(views)
    , window_(window)
{
}

PrintCommands::~PrintCommands() = default;

pantprnt* PrintCommands::printDialog() const
{
    return printDialog_;
}

notes::pantnote* PrintCommands::notesWindow() const
{
    return notes_;
}

void PrintCommands::openPrintDialog()
{
    const ShownList shown{int(views_.shoppingRows().size()), views_.shoppingTotal()};
    ui::openFresh(printDialog_, state_, dialogs_, printer_, desktop_, shown, printed_, window_);
    connect(printDialog_, &QDialog::finished, this, &PrintCommands::windowClosed);
}

void PrintCommands::openNotes()
{
    ui::openFresh(notes_, dialogs_, printer_, desktop_, window_);
    connect(notes_, &QDialog::finished, this, &PrintCommands::windowClosed);
}

void PrintCommands::printProductList()
{
    if (dialogs_.ask(productListQuestion(state_.CategoryFilter), ui::Title::own(tr("Confirm")), ui::Buttons::YesNo,
                     ui::Icon::Question) != ui::Answer::Yes)
        return;

    // The rows the Product List shows, in its order (category, diet filters and quick
    // search applied).
    std::vector<data::ProductRecord> rows;
    {
        const ui::BusyCursor busy;
        const auto records = state_.products.readAll();
        for (const int record : views_.shownProductRecords()) {
            if (record >= 1 && record <= int(records.size()))
                rows.push_back(records[size_t(record - 1)]);
        }
    }
    const ui::PrintDocument doc =
        ui::whileBusy([rows = std::move(rows), shown = state_.CategoryFilter, now = QDateTime::currentDateTime()] {
            return buildProductListPrintout(rows, shown, now);
        });
    ui::printDocument(printer_, dialogs_, desktop_, doc);
}

} // namespace print
