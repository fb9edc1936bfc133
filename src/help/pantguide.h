#pragma once

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantguide;
}

namespace help {

// "Pantrix User Guide": the guide that comes with the program, for when no help file of the
// user's own is at hand. Shown beside the main window; Close hides it.
class pantguide : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    explicit pantguide(QWidget* parent = nullptr);
    ~pantguide() override;

    // One line above the guide saying why it is shown; empty shows none.
    void setNotice(const QString& notice);

private:
    std::unique_ptr<Ui::pantguide> form_;
};

} // namespace help
