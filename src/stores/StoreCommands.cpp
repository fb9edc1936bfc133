#include "StoreCommands.h"

#include "StoreRules.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "pantnew.h"
#include "ui/Dialogs.h"

namespace stores {

StoreCommands::StoreCommands(model::SharedState& state, ui::Dialogs& dialogs, QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , window_(window)
{
}

StoreCommands::~StoreCommands() = default;

void StoreCommands::Open()
{
    const QString chosen =
        dialogs_.openFile(QStringLiteral("Open a Shopping List"), QStringLiteral("Pantrix Lists|*.lst"));
    if (!chosen.isEmpty())
        openListFile(chosen);
}

bool StoreCommands::openListFile(const QString& chosen)
{
    if (!hasListExtension(chosen)) {
        dialogs_.tell(QStringLiteral("File name must have .LST extension"));
        return false;
    }
    if (const QString problem = openedListProblem(chosen); !problem.isEmpty()) {
        dialogs_.tell(problem);
        return false;
    }
    // A list that cannot be opened at all leaves the current store in use.
    {
        data::RecordFile<data::ShoppingItemRecord> probe;
        dialogs_.reportFailure(probe.open(chosen));
        if (!probe.isOpen())
            return false;
    }
    emit storeChosen(chosen);
    return true;
}

void StoreCommands::New()
{
    ui::openFresh(dialog_, state_, dialogs_, window_);
    connect(dialog_, &QDialog::finished, this, &StoreCommands::newClosed);
}

} // namespace stores
