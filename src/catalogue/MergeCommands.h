#pragma once

#include "data/FileResult.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Dialogs;
}

namespace catalogue {

// Export of the product file to its merge file (and on to a removable drive), and the
// import of the products of a merge file that are not yet known here.
class MergeCommands : public QObject
{
    Q_OBJECT

public:
    MergeCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QWidget* window);

    void exportProducts();
    void importProducts();

    // Where the removable drive is mounted, or empty when there is none.
    using VolumeFinder = std::function<QString()>;
    void setVolumeFinder(VolumeFinder finder) { findVolume_ = std::move(finder); }

private:
    // Moves the merge file to the removable drive; true when it got there.
    bool moveToRemovableDrive();

    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
    QWidget* window_;
    VolumeFinder findVolume_;
};

} // namespace catalogue
