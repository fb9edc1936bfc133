#pragma once

#include <QObject>

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

// The coupon panel over the main window, opened by a right-click on a Shopping List item,
// and the coupon savings button that lists every coupon.
class CouponPanel : public QObject
{
    Q_OBJECT

public:
    CouponPanel(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs, QObject* parent = nullptr);

    // Shows the panel for the item at this record number of the list file.
    void open(int record);

private:
    void leaveValue();
    void accept();
    void removeCoupon();
    void writeCoupon(const QString& coupon);
    void listCoupons();
    void placeOverList();
    bool eventFilter(QObject* watched, QEvent* event) override;

    app::pantrix1& window_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
};

} // namespace catalogue
