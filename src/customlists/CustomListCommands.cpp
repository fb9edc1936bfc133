#include "CustomListCommands.h"

#include "CustomListPanel.h"
#include "CustomListRefresh.h"
#include "CustomListRules.h"
#include "app/ProductListPanel.h"
#include "app/pantrix1.h"
#include "data/FileOps.h"
#include "model/SharedState.h"
#include "pantcust.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui_pantrix1.h"

#include <QApplication>
#include <QMouseEvent>

#include <utility>

namespace customlists {

using data::CustomListRecord;
using data::ShoppingItemRecord;
using model::PickerMode;
using ui::Answer;
using ui::Title;

CustomListCommands::CustomListCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs)
    : QObject(&window)
    , window_(window)
    , state_(state)
    , dialogs_(dialogs)
    , panel_(new CustomListPanel(window.form(), state, this))
    , menu_(new pantcust(&window))
{
    Ui::pantrix1& form = window_.form();
    menu_->hide();
    connect(menu_, &pantcust::chosen, this, &CustomListCommands::menuChosen);
    connect(form.custombutton, &QToolButton::clicked, this, &CustomListCommands::openMenu);
    connect(form.updatecmd, &QToolButton::clicked, this, &CustomListCommands::Refresh);
    connect(form.recmakecmd, &QAction::triggered, this, &CustomListCommands::Create);
    connect(form.recaddcmd, &QAction::triggered, this, &CustomListCommands::Add);
    connect(form.receditcmd, &QAction::triggered, this, &CustomListCommands::Remove);
    connect(form.recpreview, &QAction::triggered, this, &CustomListCommands::Preview);
    connect(form.recgetcmd, &QAction::triggered, this, &CustomListCommands::Get);
    connect(form.recdelete, &QAction::triggered, this, &CustomListCommands::Delete);
    connect(form.saveshopcmd, &QAction::triggered, this, &CustomListCommands::Save);
    connect(panel_, &CustomListPanel::listPicked, this, &CustomListCommands::listPicked);
    connect(panel_, &CustomListPanel::proceedRequested, this, &CustomListCommands::proceed);
}

CustomListCommands::~CustomListCommands()
{
    qApp->removeEventFilter(this);
}

// The menu window ------------------------------------------------------------------------

void CustomListCommands::openMenu()
{
    QToolButton* button = window_.form().custombutton;
    menu_->adjustSize();
    menu_->move(button->mapToGlobal(QPoint(0, button->height() + 2)));
    menu_->show();
    menu_->raise();
    menu_->activateWindow();
    button->setEnabled(false);
    menuHadFocus_ = false;
    // A click anywhere on the main window closes the menu, also where no window manager
    // activates the main window on a click.
    qApp->installEventFilter(this);
}

void CustomListCommands::hideMenu()
{
    qApp->removeEventFilter(this);
    menu_->hide();
}

void CustomListCommands::menuChosen(int code)
{
    state_.ListChoiceCode = code;
    hideMenu();
    window_.activateWindow();
    window_.HandleActivation();
}

void CustomListCommands::activated()
{
    // The click that opened the menu may activate the main window only after the menu
    // showed; the menu goes once it had the focus and the main window took it back.
    if (!menu_->isHidden() && menuHadFocus_ && QApplication::activeWindow() != menu_)
        hideMenu();
    // Taken before it runs: the command's own boxes activate the window again.
    const int code = std::exchange(state_.ListChoiceCode, 0);
    // Enabled again on every activation, but never beside the open menu.
    window_.form().custombutton->setEnabled(menu_->isHidden());
    run(code);
}

bool CustomListCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menu_ && event->type() == QEvent::WindowActivate)
        menuHadFocus_ = true;
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_ && !menu_->isHidden()) {
        hideMenu();
        window_.HandleActivation();
    }
    return QObject::eventFilter(watched, event);
}

void CustomListCommands::run(int code)
{
    switch (code) {
    case 1:
        Create();
        break;
    case 2:
        Add();
        break;
    case 3:
        Remove();
        break;
    case 4:
        Preview();
        break;
    case 5:
        Get();
        break;
    case 6:
        Delete();
        break;
    case 7:
        Save();
        break;
    default:
        break;
    }
}

// File access -----------------------------------------------------------------------------

std::vector<CustomListRecord> CustomListCommands::readFile()
{
    dialogs_.reportFailure(file_.open(kCustomListFile));
    return file_.readAll();
}

std::vector<ShoppingItemRecord> CustomListCommands::shoppingItems() const
{
    std::vector<ShoppingItemRecord> items = state_.items.readAll();
    items.resize(std::min(items.size(), size_t(state_.ItemCount)));
    return items;
}

void CustomListCommands::leaveViews()
{
    panel_->leave();
}

// Commands that run to the end at once --------------------------------------------------

void CustomListCommands::Create()
{
    const std::vector<int> chosen = window_.productList().selectedRecords();
    if (chosen.size() < 2) {
        dialogs_.tell(QStringLiteral("A custom list requires selection of more than one item on the Product List."),
                      Title::none());
        return;
    }
    QString name;
    for (;;) {
        const QString typed =
            dialogs_.input(QStringLiteral("Type a name for this custom Product List."), Title::application(), {});
        // A name of blanks only could never be picked again.
        if (data::trimBlanks(typed).isEmpty())
            return;
        if (!listExists(readFile(), typed)) {
            name = storedListName(typed);
            break;
        }
        dialogs_.tell(QStringLiteral("Name already exists!"), Title::own(QStringLiteral("Oops!")));
    }
    for (int record : chosen) {
        if (dialogs_.reportFailure(file_.append(recordFor(name, state_.products.read(record)))))
            return;
    }
    dialogs_.tell(QStringLiteral("Product List for %1 is now on file.").arg(name), Title::none());
}

void CustomListCommands::Save()
{
    if (state_.ItemCount == 0) {
        dialogs_.tell(QStringLiteral("Create a shopping list first!"), Title::own(QStringLiteral("Oops!")));
        return;
    }
    QString typed;
    for (;;) {
        typed = dialogs_.input(QStringLiteral("Enter a name for this custom list"),
                               Title::own(QStringLiteral("Save shopping list.........")), {});
        if (data::trimBlanks(typed).isEmpty())
            return;
        if (!listExists(readFile(), typed))
            break;
        const Answer add = dialogs_.ask(QStringLiteral("Name already exists.  Add products to this custom list?  "
                                                       "(This may cause duplication of products.)"),
                                        Title::own(QStringLiteral("Oops!")), ui::Buttons::YesNo, ui::Icon::Question);
        if (add == Answer::Yes)
            break;
    }
    const QString name = storedListName(typed);
    for (const ShoppingItemRecord& item : shoppingItems()) {
        if (dialogs_.reportFailure(file_.append(recordFor(name, item))))
            return;
    }
    dialogs_.tell(QStringLiteral("Product List for %1 is now on file.").arg(name), Title::none());
}

void CustomListCommands::Refresh()
{
    const Answer go = dialogs_.ask(
        QStringLiteral("You have pressed the <F12> key. This will update the prices and category designations "
                       "for foods in your custom list files.   Proceed?"),
        Title::own(QStringLiteral("Confirm")), ui::Buttons::YesNo, ui::Icon::None);
    if (go != Answer::Yes)
        return;
    // Opening creates a missing file, so there is always something to back up.
    dialogs_.reportFailure(file_.open(kCustomListFile));
    file_.close();
    RefreshOutcome outcome;
    {
        const ui::BusyCursor busy;
        outcome = refreshFile(kCustomListFile, state_.products.readAll());
    }
    file_.open(kCustomListFile);
    if (dialogs_.reportFailure(outcome.result))
        return;
    dialogs_.tell(refreshMessage(outcome.updated), Title::own(QStringLiteral("Done")));
}

// Commands that go through the picker -------------------------------------------------------

void CustomListCommands::Add()
{
    startPicker(PickerMode::Add);
}

void CustomListCommands::Remove()
{
    startPicker(PickerMode::Remove);
}

void CustomListCommands::Preview()
{
    startPicker(PickerMode::Preview);
}

void CustomListCommands::Get()
{
    startPicker(PickerMode::Get);
}

void CustomListCommands::Delete()
{
    startPicker(PickerMode::Delete);
}

void CustomListCommands::startPicker(PickerMode mode)
{
    state_.pickerMode = mode;
    const std::vector<CustomListRecord> records = readFile();
    if (records.empty()) {
        dialogs_.tell(QStringLiteral("No lists on file!"), Title::none());
        if (panel_->showing())
            panel_->leave();
        state_.pickerMode = PickerMode::None;
        return;
    }
    panel_->showPicker(pickerNames(records));
}

void CustomListCommands::listPicked()
{
    const QString name = panel_->selectedName();
    switch (state_.pickerMode) {
    case PickerMode::Delete:
        panel_->hidePicker(true);
        deletePicked();
        break;
    case PickerMode::Preview:
        panel_->hidePicker(false);
        state_.pickerMode = PickerMode::None;
        panel_->showPreview(previewRows(readFile(), name), QStringLiteral("Preview Only - ") + name);
        break;
    case PickerMode::Add:
        panel_->hidePicker(true);
        addPicked();
        break;
    case PickerMode::Remove:
        panel_->hidePicker(false);
        panel_->showItems(listEntries(readFile(), name));
        dialogs_.tell(QStringLiteral("Select item(s) to remove"), Title::none());
        panel_->showPanel(name);
        break;
    case PickerMode::Get:
        panel_->showItems(listEntries(readFile(), name));
        dialogs_.tell(QStringLiteral("Select item(s) for the shopping list, then click \"Proceed\""), Title::none());
        panel_->showPanel(QStringLiteral("Get"));
        break;
    case PickerMode::None:
        break;
    }
}

void CustomListCommands::addPicked()
{
    const QString name = panel_->selectedName();
    const QString shown = data::trimBlanks(name);
    const std::vector<int> chosen = window_.productList().selectedRecords();
    if (chosen.empty()) {
        dialogs_.tell(QStringLiteral("First you must select item(s) to add"), Title::none());
        panel_->leave();
        return;
    }
    const Answer add = dialogs_.ask(QStringLiteral("Add the selected Product List item(s) to %1?").arg(shown),
                                    Title::own(QStringLiteral("Confirm")), ui::Buttons::YesNo, ui::Icon::Question);
    if (add != Answer::Yes) {
        panel_->leave();
        return;
    }
    readFile();
    int added = 0;
    for (int record : chosen) {
        if (dialogs_.reportFailure(file_.append(recordFor(name, state_.products.read(record)))))
            break;
        ++added;
    }
    dialogs_.tell(QStringLiteral("%1 Product(s) added to %2.").arg(added).arg(shown), Title::none());
    panel_->leave();
}

void CustomListCommands::deletePicked()
{
    const QString name = panel_->selectedName();
    const Answer sure = dialogs_.ask(QStringLiteral("Delete %1?").arg(data::trimBlanks(name)),
                                     Title::own(QStringLiteral("Confirm...")), ui::Buttons::YesNo, ui::Icon::Question);
    if (sure != Answer::Yes) {
        panel_->leave();
        return;
    }
    file_.close();
    if (dialogs_.reportFailure(data::copyFile(kCustomListFile, kDeleteBackup))) {
        panel_->leave();
        return;
    }
    const bool written = !dialogs_.reportFailure(file_.replaceAll(withoutList(readFile(), name)));
    panel_->leave();
    if (written)
        dialogs_.tell(QStringLiteral("List deleted"), Title::none());
}

// Proceed under the item list ---------------------------------------------------------------

void CustomListCommands::proceed()
{
    if (state_.pickerMode == PickerMode::Remove)
        removeProceed();
    else if (state_.pickerMode == PickerMode::Get)
        getProceed();
}

void CustomListCommands::removeProceed()
{
    const Answer answer = dialogs_.ask(QStringLiteral("Delete selected items?"), Title::none(),
                                       ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (answer == Answer::No)
        return;
    if (answer != Answer::Yes) {
        panel_->leave();
        return;
    }
    // On a failed write the item list stays, so the user can try again or cancel.
    if (dialogs_.reportFailure(file_.replaceAll(withoutRecords(readFile(), panel_->selectedRecords()))))
        return;
    dialogs_.tell(QStringLiteral("Done!"), Title::none());
    panel_->leave();
}

void CustomListCommands::getProceed()
{
    const Answer answer = dialogs_.ask(QStringLiteral("Add selected items?"), Title::none(), ui::Buttons::YesNoCancel,
                                       ui::Icon::Question);
    if (answer == Answer::No)
        return;
    if (answer != Answer::Yes) {
        panel_->leave();
        return;
    }
    const std::vector<CustomListRecord> records = readFile();
    std::vector<CustomListRecord> chosen;
    for (int record : panel_->selectedRecords()) {
        // The file may have changed under the item list; a record that is gone is skipped.
        if (record >= 1 && record <= int(records.size()))
            chosen.push_back(records[size_t(record - 1)]);
    }
    int added = 0;
    for (const ShoppingItemRecord& item : itemsToGet(chosen, shoppingItems())) {
        if (dialogs_.reportFailure(state_.items.write(state_.ItemCount + 1, item)))
            break;
        ++state_.ItemCount;
        ++added;
    }
    panel_->leave();
    if (added > 0)
        window_.RebuildShoppingList();
}

} // namespace customlists
