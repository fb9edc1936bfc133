#pragma once

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantabt;
}
namespace ui {
class Desktop;
}

namespace help {

// "About Pantrix": the program's name and version and a link to its web site. Shown beside
// the main window; Close hides it. F1 does nothing here.
class pantabt : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantabt(ui::Desktop& desktop, QWidget* parent = nullptr);
    ~pantabt() override;

private:
    void openWebsite();

    std::unique_ptr<Ui::pantabt> form_;
    ui::Desktop& desktop_;
};

} // namespace help
