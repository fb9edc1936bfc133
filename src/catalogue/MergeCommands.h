#pragma once

#include "data/FileResult.h"

#include <QObject>
#include <QString>

#include <functional>

namespace app {
class pantrix1;
}
namespace model {
struct SharedState;
}
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
    MergeCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs, QObject* parent = nullptr);

    void exportProducts();
    void importProducts();

    // Where the removable drive is mounted, or empty when there is none.
    using VolumeFinder = std::function<QString()>;
    void setVolumeFinder(VolumeFinder finder) { findVolume_ = std::move(finder); }

private:
    // Moves the merge file to the removable drive; true when it got there.
    bool moveToRemovableDrive();

    app::pantrix1& window_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    VolumeFinder findVolume_;
};

} // namespace catalogue
