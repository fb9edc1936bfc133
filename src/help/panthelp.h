#pragma once

#include "HelpTexts.h"

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class panthelp;
}

namespace help {

// "Help": one topic's help text, a row per line, with Print and Quit. Shown beside the main
// window; Quit hides it.
class panthelp : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    panthelp(HelpSection section, QWidget* parent = nullptr);
    ~panthelp() override;

    // The rows as shown, first to last.
    QStringList rows() const;

signals:
    // Print was clicked; the window stays open.
    void printRequested(const QStringList& rows);

private:
    std::unique_ptr<Ui::panthelp> form_;
};

} // namespace help
