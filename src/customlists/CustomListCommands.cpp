#include "CustomListCommands.h"

#include "CustomListPanel.h"
#include "CustomListRefresh.h"
#include "CustomListRules.h"
#include "data/FileOps.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "model/ShoppingListRules.h"
#include "pantcust.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardPaths.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <utility>

namespace customlists {

using data::CustomListRecord;
using data::ShoppingItemRecord;
using model::CustomListCommand;
using model::PickerMode;
using ui::Answer;
using ui::Title;

CustomListCommands::CustomListCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views,
                                       CustomListPanel& panel, QWidget* window)
    : QObject(window)
    , state_(state)
    , dialogs_(dialogs)
    , views_(views)
    , panel_(&panel)
    , window_(window)
    , menu_(new pantcust(window))
{
    menu_->hide();
    connect(menu_, &pantcust::chosen, this, &CustomListCommands::menuChosen);
    connect(panel_, &CustomListPanel::listPicked, this, &CustomListCommands::listPicked);
    connect(panel_, &CustomListPanel::proceedRequested, this, &CustomListCommands::proceed);
}

CustomListCommands::~CustomListCommands()
{
    qApp->removeEventFilter(this);
}

// The menu window ------------------------------------------------------------------------

void CustomListCommands::openMenu(QWidget* button)
{
    menu_->adjustSize();
    menu_->move(button->mapToGlobal(QPoint(0, button->height() + 2)));
    ui::present(menu_);
    // It takes the keys (Esc closes it, not the program); a window manager may hand it the
    // focus only once it is on screen.
    menu_->setFocus();
    QTimer::singleShot(0, menu_, [menu = menu_] {
        if (menu->isVisible())
            menu->activateWindow();
    });
    menuHadFocus_ = false;
    views_.updateActions();
    // A click anywhere on the main window closes the menu, also where no window manager
    // activates the main window on a click.
    qApp->installEventFilter(this);
}

void CustomListCommands::hideMenu()
{
    qApp->removeEventFilter(this);
    menu_->hide();
    views_.updateActions();
}

bool CustomListCommands::menuShowing() const
{
    return !menu_->isHidden();
}

void CustomListCommands::menuChosen(CustomListCommand command)
{
    state_.ListChoiceCode = command;
    hideMenu();
    window_->activateWindow();
    emit activationWanted();
}

void CustomListCommands::activated()
{
    // The click that opened the menu may activate the main window only after the menu
    // showed; the menu goes once it had the focus and the main window took it back.
    if (!menu_->isHidden() && menuHadFocus_ && QApplication::activeWindow() != menu_)
        hideMenu();
    // Taken before it runs: the command's own boxes activate the window again.
    run(std::exchange(state_.ListChoiceCode, CustomListCommand::None));
}

bool CustomListCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menu_ && event->type() == QEvent::WindowActivate)
        menuHadFocus_ = true;
    if (ui::isEscape(event) && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_ &&
        !menu_->isHidden()) {
        // A window manager may leave the keys with the main window while the menu shows: Esc
        // closes the menu there too, as in the menu; it does not quit the program.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            menuChosen(CustomListCommand::None);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_ && !menu_->isHidden()) {
        hideMenu();
        emit activationWanted();
    }
    return QObject::eventFilter(watched, event);
}

void CustomListCommands::run(CustomListCommand command)
{
    switch (command) {
    case CustomListCommand::Create:
        Create();
        break;
    case CustomListCommand::Add:
        Add();
        break;
    case CustomListCommand::Remove:
        Remove();
        break;
    case CustomListCommand::Preview:
        Preview();
        break;
    case CustomListCommand::Get:
        Get();
        break;
    case CustomListCommand::Delete:
        Delete();
        break;
    case CustomListCommand::Save:
        Save();
        break;
    case CustomListCommand::None:
        break;
    }
}

// File access -----------------------------------------------------------------------------

std::optional<std::vector<CustomListRecord>> CustomListCommands::readFile()
{
    const data::FileResult opened = file_.open(kCustomListFile);
    if (!file_.isOpen()) {
        dialogs_.reportFailure(opened);
        return std::nullopt;
    }
    return file_.readAll();
}

std::optional<std::vector<data::ProductRecord>> CustomListCommands::chosenProducts(const std::vector<int>& records)
{
    std::optional<std::vector<data::ProductRecord>> products = model::productsAt(state_.products, records);
    if (!products) {
        views_.reloadViews();
        dialogs_.tell(QCoreApplication::translate("model", model::kProductsReloaded));
    }
    return products;
}

std::vector<ShoppingItemRecord> CustomListCommands::shoppingItems() const
{
    return state_.items.readAll();
}

// Commands that run to the end at once --------------------------------------------------

void CustomListCommands::Create()
{
    const std::vector<int> chosen = views_.selectedProductRecords();
    if (chosen.size() < 2) {
        dialogs_.tell(tr("A custom list requires selection of more than one item on the Product List."), Title::none());
        return;
    }
    if (!readFile())
        return;
    QString name;
    for (;;) {
        const QString typed = dialogs_.input(tr("Type a name for this custom Product List."), Title::application(), {});
        // A name of blanks only could never be picked again.
        if (data::trimBlanks(typed).isEmpty())
            return;
        const std::optional<std::vector<CustomListRecord>> lists = readFile();
        if (!lists)
            return;
        if (!listExists(*lists, typed)) {
            name = storedListName(typed);
            break;
        }
        dialogs_.tell(tr("Name already exists!"), Title::own(tr("Oops!")));
    }
    // Taken after the name was asked: the files may have changed meanwhile.
    const std::optional<std::vector<data::ProductRecord>> products = chosenProducts(chosen);
    if (!products)
        return;
    std::vector<CustomListRecord> records;
    for (const data::ProductRecord& product : *products)
        records.push_back(recordFor(name, product));
    if (dialogs_.reportFailure(file_.appendBytes(data::bytesFromRecords(records))))
        return;
    dialogs_.tell(tr("Product List for %1 is now on file.").arg(name), Title::none());
}

void CustomListCommands::Save()
{
    if (state_.ItemCount() == 0) {
        dialogs_.tell(tr("Create a shopping list first!"), Title::own(tr("Oops!")));
        return;
    }
    QString typed;
    for (;;) {
        typed =
            dialogs_.input(tr("Enter a name for this custom list"), Title::own(tr("Save shopping list.........")), {});
        if (data::trimBlanks(typed).isEmpty())
            return;
        const std::optional<std::vector<CustomListRecord>> lists = readFile();
        if (!lists)
            return;
        if (!listExists(*lists, typed))
            break;
        const Answer add = dialogs_.ask(tr("Name already exists.  Add products to this custom list?  "
                                           "(This may cause duplication of products.)"),
                                        Title::own(tr("Oops!")), ui::Buttons::YesNo, ui::Icon::Question);
        if (add == Answer::Yes)
            break;
    }
    const QString name = storedListName(typed);
    std::vector<CustomListRecord> records;
    for (const ShoppingItemRecord& item : shoppingItems())
        records.push_back(recordFor(name, item));
    if (dialogs_.reportFailure(file_.appendBytes(data::bytesFromRecords(records))))
        return;
    dialogs_.tell(tr("Product List for %1 is now on file.").arg(name), Title::none());
}

void CustomListCommands::Refresh()
{
    const Answer go =
        dialogs_.ask(tr("You have pressed the <F12> key. This will update the prices and category designations "
                        "for foods in your custom list files.   Proceed?"),
                     Title::own(tr("Confirm")), ui::Buttons::YesNo, ui::Icon::None);
    if (go != Answer::Yes)
        return;
    // Opening creates a missing file, so there is always something to back up. A file that
    // cannot be opened (or is refused as too large) is told once and left as it is.
    if (!readFile())
        return;
    file_.close();
    RefreshOutcome outcome;
    {
        const ui::BusyCursor busy;
        outcome = refreshFile(kCustomListFile, state_.products.readAll());
    }
    // Reopened for the next command, which reports it if it still fails.
    (void)file_.open(kCustomListFile);
    if (dialogs_.reportFailure(outcome.result))
        return;
    dialogs_.tell(refreshMessage(outcome.updated), Title::own(tr("Done")));
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
    const std::optional<std::vector<CustomListRecord>> records = readFile();
    if (!records || records->empty()) {
        // A file that cannot be read was told already; "No lists on file!" would not be true.
        if (records)
            dialogs_.tell(tr("No lists on file!"), Title::none());
        if (panel_->showing())
            panel_->leave();
        state_.pickerMode = PickerMode::None;
        return;
    }
    panel_->showPicker(pickerNames(*records));
}

void CustomListCommands::listPicked()
{
    const QString name = panel_->selectedName();
    std::optional<std::vector<CustomListRecord>> records;
    if (state_.pickerMode == PickerMode::Preview || state_.pickerMode == PickerMode::Remove ||
        state_.pickerMode == PickerMode::Get) {
        records = readFile();
        if (!records) {
            panel_->leave();
            return;
        }
    }
    switch (state_.pickerMode) {
    case PickerMode::Delete:
        panel_->hidePicker(true);
        deletePicked();
        break;
    case PickerMode::Preview:
        panel_->hidePicker(false);
        state_.pickerMode = PickerMode::None;
        panel_->showPreview(previewRows(*records, name), tr("Preview Only - ") + name);
        break;
    case PickerMode::Add:
        panel_->hidePicker(true);
        addPicked();
        break;
    case PickerMode::Remove:
        panel_->hidePicker(false);
        panel_->showItems(listEntries(*records, name));
        dialogs_.tell(tr("Select item(s) to remove"), Title::none());
        panel_->showPanel(name);
        break;
    case PickerMode::Get:
        panel_->showItems(listEntries(*records, name));
        dialogs_.tell(tr("Select item(s) for the shopping list, then click \"Proceed\""), Title::none());
        panel_->showPanel(tr("Get"));
        break;
    case PickerMode::None:
        break;
    }
}

void CustomListCommands::addPicked()
{
    const QString name = panel_->selectedName();
    const QString shown = data::trimBlanks(name);
    const std::vector<int> chosen = views_.selectedProductRecords();
    if (chosen.empty()) {
        dialogs_.tell(tr("First you must select item(s) to add"), Title::none());
        panel_->leave();
        return;
    }
    const Answer add = dialogs_.ask(tr("Add the selected Product List item(s) to %1?").arg(shown),
                                    Title::own(tr("Confirm")), ui::Buttons::YesNo, ui::Icon::Question);
    if (add != Answer::Yes) {
        panel_->leave();
        return;
    }
    const std::optional<std::vector<data::ProductRecord>> products = chosenProducts(chosen);
    if (!products || !readFile()) {
        panel_->leave();
        return;
    }
    std::vector<CustomListRecord> records;
    for (const data::ProductRecord& product : *products)
        records.push_back(recordFor(name, product));
    // All of them or none.
    const int added =
        dialogs_.reportFailure(file_.appendBytes(data::bytesFromRecords(records))) ? 0 : int(records.size());
    dialogs_.tell(tr("%1 Product(s) added to %2.").arg(added).arg(shown), Title::none());
    panel_->leave();
}

void CustomListCommands::deletePicked()
{
    const QString name = panel_->selectedName();
    const Answer sure = dialogs_.ask(tr("Delete %1?").arg(data::trimBlanks(name)), Title::own(tr("Confirm...")),
                                     ui::Buttons::YesNo, ui::Icon::Question);
    if (sure != Answer::Yes) {
        panel_->leave();
        return;
    }
    file_.close();
    if (dialogs_.reportFailure(data::copyFile(kCustomListFile, kDeleteBackup))) {
        panel_->leave();
        return;
    }
    const std::optional<std::vector<CustomListRecord>> records = readFile();
    const bool written = records && !dialogs_.reportFailure(file_.replaceAll(withoutList(*records, name)));
    panel_->leave();
    if (written)
        dialogs_.tell(tr("List deleted"), Title::none());
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
    const Answer answer =
        dialogs_.ask(tr("Delete selected items?"), Title::none(), ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (answer == Answer::No)
        return;
    if (answer != Answer::Yes) {
        panel_->leave();
        return;
    }
    // On a failed read or write the item list stays, so the user can try again or cancel.
    const std::optional<std::vector<CustomListRecord>> records = readFile();
    if (!records || dialogs_.reportFailure(file_.replaceAll(withoutRecords(*records, panel_->selectedRecords()))))
        return;
    dialogs_.tell(tr("Done!"), Title::none());
    panel_->leave();
}

void CustomListCommands::getProceed()
{
    const Answer answer =
        dialogs_.ask(tr("Add selected items?"), Title::none(), ui::Buttons::YesNoCancel, ui::Icon::Question);
    if (answer == Answer::No)
        return;
    if (answer != Answer::Yes) {
        panel_->leave();
        return;
    }
    const std::optional<std::vector<CustomListRecord>> read = readFile();
    if (!read)
        return; // the item list stays, as on a failed write
    const std::vector<CustomListRecord>& records = *read;
    std::vector<CustomListRecord> chosen;
    for (int record : panel_->selectedRecords()) {
        // The file may have changed under the item list; a record that is gone is skipped.
        if (record >= 1 && record <= int(records.size()))
            chosen.push_back(records[size_t(record - 1)]);
    }
    const std::vector<ShoppingItemRecord> added = itemsToGet(chosen, shoppingItems());
    const bool written = !dialogs_.reportFailure(state_.items.appendBytes(data::bytesFromRecords(added)));
    panel_->leave();
    if (written && !added.empty())
        views_.RebuildShoppingList();
}

} // namespace customlists
