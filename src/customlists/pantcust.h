#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class pantcust;
}

namespace customlists {

// The Custom Lists menu: a small light-green window without a caption whose buttons name
// the custom list commands. It only reports the choice; the main window runs it.
class pantcust : public QWidget
{
    Q_OBJECT

public:
    explicit pantcust(QWidget* parent = nullptr);
    ~pantcust() override;

signals:
    // A button was clicked: 1..7 a command, 0 nothing (CLOSE this menu, or Esc).
    void chosen(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::pantcust> form_;
};

} // namespace customlists
