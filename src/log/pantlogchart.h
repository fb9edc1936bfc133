#pragma once

#include "SpendingByMonth.h"

#include "ui/SecondaryWindow.h"

#include <functional>
#include <memory>

namespace Ui {
class pantlogchart;
}
namespace ui {
class Dialogs;
}
class QChart;

namespace shoplog {

// A bar chart of the net spent and the coupon savings per month of the entries the
// Expense Log lists, with the average per trip in its title; it can be saved as a PNG.
// Over more than two years of months it shows years, and the months of a year chosen in
// the box under it.
class pantlogchart : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    // Asks where to save the picture; an empty answer saves nothing.
    using FileChooser = std::function<QString(QWidget* parent)>;

    // scope names what is charted ("all lists", a list's name).
    pantlogchart(const SpendingByMonth& spending, const QString& scope, ui::Dialogs& dialogs,
                 QWidget* parent = nullptr);
    ~pantlogchart() override;

    QChart* chart() const;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

private:
    void buildChart();
    void saveImage();

    std::unique_ptr<Ui::pantlogchart> form_;
    SpendingByMonth spending_;
    QString scope_;
    ui::Dialogs& dialogs_;
    FileChooser chooser_;
};

} // namespace shoplog
