#include "StoreCommands.h"

#include "StoreRules.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "pantnew.h"
#include "ui/Dialogs.h"

#include <QFileInfo>

namespace stores {

namespace {
QString chooserTitle()
{
    return StoreCommands::tr("Open a Shopping List");
}
} // namespace

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
    const QString chosen = dialogs_.openFile(chooserTitle(), QStringLiteral("Pantrix Lists|*.lst"));
    if (!chosen.isEmpty())
        OpenFile(chosen);
}

bool StoreCommands::OpenFile(const QString& listFile)
{
    if (!hasListExtension(listFile)) {
        dialogs_.tell(tr("File name must have .LST extension"));
        return false;
    }
    if (const QString problem = openedListProblem(listFile); !problem.isEmpty()) {
        dialogs_.tell(problem);
        return false;
    }
    // Opening would make a missing list an empty one; the chooser itself says this of a
    // name that is not there.
    if (!QFileInfo::exists(listFile)) {
        dialogs_.tell(tr("%1\r\nFile not found.\r\nPlease verify the correct file name was given.")
                          .arg(QFileInfo(listFile).fileName()),
                      ui::Title::own(chooserTitle()), ui::Icon::Exclamation);
        return false;
    }
    // A list that cannot be opened at all leaves the current store in use.
    {
        data::RecordFile<data::ShoppingItemRecord> probe;
        dialogs_.reportFailure(probe.open(listFile));
        if (!probe.isOpen())
            return false;
    }
    emit storeChosen(listFile);
    return true;
}

void StoreCommands::New()
{
    ui::openFresh(dialog_, state_, dialogs_, window_);
    connect(dialog_, &QDialog::finished, this, &StoreCommands::newClosed);
}

} // namespace stores
