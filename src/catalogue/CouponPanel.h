#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class CouponPanel;
}
namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Dialogs;
}

namespace catalogue {

// The coupon panel over the main window, opened by a right-click on a Shopping List item,
// and the list of every coupon behind the coupon savings button.
class CouponPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CouponPanel(QWidget* parent = nullptr);
    ~CouponPanel() override;
    // Called once, before any other call. The panel is shown centred over anchor.
    void setUp(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, QWidget* anchor);

    // Shows the panel for the item at this record number of the list file.
    void open(int record);
    // The coupon savings button: every coupon in one box.
    void listCoupons();

private:
    void leaveValue();
    void accept();
    // Cancel and Esc: the panel goes without writing anything.
    void cancel();
    void removeCoupon();
    void writeCoupon(const QString& coupon);
    void placeOverList();
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::CouponPanel> form_;
    model::SharedState* state_ = nullptr;
    ui::Dialogs* dialogs_ = nullptr;
    model::ListViews* views_ = nullptr;
    QWidget* anchor_ = nullptr;
};

} // namespace catalogue
