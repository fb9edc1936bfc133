#include "MergeCommands.h"

#include "MergeRules.h"
#include "data/FileOps.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/ProgressWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <memory>

namespace catalogue {

namespace {
// Merge files smaller than this import in a blink; larger ones show how far they are.
constexpr qsizetype kProgressFrom = 20000;
} // namespace

MergeCommands::MergeCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , views_(views)
    , window_(window)
    , findVolume_(mountedRemovableVolume)
{
}

void MergeCommands::exportProducts()
{
    state_.MergeFile = model::mergeFileFor(state_.ProductFile);
    if (!dialogs_.reportFailure(data::copyFile(state_.ProductFile, state_.MergeFile))) {
        const ui::Answer move = dialogs_.ask(tr("File created: ") + state_.MergeFile +
                                                 tr("\nShould I move the file to floppy drive A:\\ ?"),
                                             ui::Title::none(), ui::Buttons::YesNo, ui::Icon::Question);
        if (move == ui::Answer::Yes)
            moveToRemovableDrive();
    }
}

bool MergeCommands::moveToRemovableDrive()
{
    for (;;) {
        if (dialogs_.ask(tr("Place diskette in drive A: and click OK when ready."), ui::Title::none(),
                         ui::Buttons::OkCancel, ui::Icon::None) != ui::Answer::Ok)
            return false;
        const QString volume = findVolume_ ? findVolume_() : QString();
        if (!volume.isEmpty()) {
            const QString target = QDir(volume).filePath(QFileInfo(state_.MergeFile).fileName());
            if (data::copyFile(state_.MergeFile, target) && data::deleteFile(state_.MergeFile)) {
                dialogs_.tell(tr("File copied successfully"));
                return true;
            }
        }
        if (dialogs_.ask(tr("Drive does not appear to be ready."), ui::Title::none(), ui::Buttons::OkCancel,
                         ui::Icon::None) != ui::Answer::Ok)
            return false;
    }
}

void MergeCommands::importProducts()
{
    if (dialogs_.ask(tr("Import data to ") + state_.ProductFile + QStringLiteral("?"), ui::Title::own(tr("Confirm..")),
                     ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes)
        return;
    state_.MergeFile = model::mergeFileFor(state_.ProductFile);
    ImportResult outcome;
    {
        const ui::BusyCursor busy;
        std::unique_ptr<ui::ProgressWindow> progress;
        if (data::fileLength(state_.MergeFile) / data::ProductRecord::Length >= kProgressFrom)
            progress = std::make_unique<ui::ProgressWindow>(tr("Importing ") + state_.MergeFile,
                                                            ui::ProgressWindow::Stop::No, 500, window_);
        outcome = importMergeFile(state_.products, state_.MergeFile, [&progress](qsizetype done, qsizetype total) {
            if (progress)
                progress->advance(done, total);
        });
        if (outcome.found && outcome.result) {
            state_.MergeFileReady = false;
            views_.updateActions();
        }
    }
    if (dialogs_.reportFailure(outcome.result)) {
        if (outcome.imported > 0)
            views_.RebuildProductList();
        return;
    }
    if (!outcome.found) {
        dialogs_.tell(tr("Merge file not found."));
        return;
    }
    if (outcome.imported == 0) {
        dialogs_.tell(tr("No new items found."), ui::Title::none());
        return;
    }
    dialogs_.tell(tr(" %1 items imported.").arg(outcome.imported), ui::Title::none());
    views_.RebuildProductList();
}

} // namespace catalogue
