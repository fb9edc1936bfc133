#pragma once

#include "CustomListRules.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class CustomListPanel;
}
namespace model {
struct SharedState;
}

namespace customlists {

// The custom list views that take the Shopping List's place in the main window: the
// list picker (List3), the item list with its panel (List4, custompanel) and the preview
// (List5). It shows what it is given and reports the user's choices; the commands do the
// file work.
class CustomListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CustomListPanel(QWidget* parent = nullptr);
    ~CustomListPanel() override;
    // Called once, before any other call.
    void setUp(model::SharedState& state);

    // The picker for the current picker mode: its prompt, the way back, then the names.
    void showPicker(const QStringList& names);
    // Hides the picker; with showList the Shopping List comes back in its place.
    void hidePicker(bool showList);
    // The products of the chosen list with their record numbers; light cyan when getting
    // items, light pink when removing them.
    void showItems(const std::vector<ListEntry>& entries);
    // The Proceed/Cancel panel under the item list, with the caption above the list.
    void showPanel(const QString& caption);
    void showPreview(const QStringList& rows, const QString& caption);
    // Back to the Shopping List and its caption; the picker mode ends.
    void leave();

    // Whether any custom list view stands in the Shopping List's place.
    bool showing() const;
    // The list picker and the item list, which the magnifier enlarges with the main lists.
    QList<QWidget*> magnifiedLists() const;
    // The picker row the user clicked, as shown (the list field as stored).
    const QString& selectedName() const { return selectedName_; }
    // Record numbers of the selected item list rows, in row order.
    std::vector<int> selectedRecords() const;

signals:
    // A list name was clicked in the picker; selectedName() holds it.
    void listPicked();
    void proceedRequested();
    // The custom list views took the Shopping List's place (true) or gave it back.
    void viewsShown(bool shown);
    // The caption above the list should read this.
    void captionChanged(const QString& caption);

private:
    void pickerClicked(int row);
    // Shows the panel while any of its views is up, and says so.
    void updateShown();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::CustomListPanel> form_;
    model::SharedState* state_ = nullptr;
    QString selectedName_;
    std::vector<int> itemRecords_; // record number of each item list row
};

} // namespace customlists
