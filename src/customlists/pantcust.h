#pragma once

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantcust;
}
namespace model {
enum class CustomListCommand;
}

namespace customlists {

// The Custom Lists menu: a small light-green window without a caption whose buttons name
// the custom list commands. It only reports the choice; the main window runs it. It stands
// beside the main window, which stays usable.
class pantcust : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    explicit pantcust(QWidget* parent = nullptr);
    ~pantcust() override;

    // Esc and "CLOSE this menu": nothing to run.
    void reject() override;

signals:
    // A button was clicked: the command to run, or None.
    void chosen(model::CustomListCommand command);

private:
    std::unique_ptr<Ui::pantcust> form_;
};

} // namespace customlists
