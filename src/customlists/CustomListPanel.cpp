#include "CustomListPanel.h"

#include "model/SharedState.h"
#include "ui_CustomListPanel.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace customlists {

using model::PickerMode;

namespace {

// The picker's fixed rows before the names.
constexpr int kReturnRow = 2;
constexpr int kFirstNameRow = 4;

QString promptFor(PickerMode mode)
{
    switch (mode) {
    case PickerMode::Delete:
        return QCoreApplication::translate("customlists::CustomListPanel", "Select a list to delete...");
    case PickerMode::Get:
        return QCoreApplication::translate("customlists::CustomListPanel", "Select a list to use...");
    case PickerMode::Preview:
        return QCoreApplication::translate("customlists::CustomListPanel", "Select a list to preview...");
    case PickerMode::Add:
        return QCoreApplication::translate("customlists::CustomListPanel", "Select a list to add to...");
    case PickerMode::Remove:
        return QCoreApplication::translate("customlists::CustomListPanel", "Select a list to edit...");
    case PickerMode::None:
        break;
    }
    return {};
}

bool isActivationKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

CustomListPanel::CustomListPanel(QWidget* parent)
    : QWidget(parent)
    , form_(std::make_unique<Ui::CustomListPanel>())
{
    form_->setupUi(this);
    // The views keep their light colours in any theme, so their text is always dark.
    form_->List3->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,255,224); color: black; }"));
    form_->List5->setStyleSheet(QStringLiteral("QListWidget { background: rgb(255,224,192); color: black; }"));
    for (QWidget* view : std::initializer_list<QWidget*>{form_->List3, form_->List4, form_->List5, form_->custompanel})
        view->hide();
    hide();
}

CustomListPanel::~CustomListPanel() = default;

void CustomListPanel::setUp(model::SharedState& state)
{
    state_ = &state;
    connect(form_->List3, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pickerClicked(form_->List3->row(item)); });
    connect(form_->List4, &QListWidget::itemClicked, form_->custompanel, &QWidget::show);
    connect(form_->recdelcmd, &QPushButton::clicked, this, &CustomListPanel::proceedRequested);
    connect(form_->nevermindcmd, &QPushButton::clicked, this, &CustomListPanel::leave);
    // The keyboard reaches the picker and the preview as the mouse does.
    form_->List3->installEventFilter(this);
    form_->List5->installEventFilter(this);
    form_->List5->viewport()->installEventFilter(this);
}

void CustomListPanel::showPicker(const QStringList& names)
{
    form_->List3->clear();
    form_->List3->addItems(
        {promptFor(state_->pickerMode), QString(), tr("CLICK HERE TO RETURN TO SHOPPING LIST"), QString()});
    form_->List3->addItems(names);
    form_->List3->show();
    form_->List4->hide();
    form_->List5->hide();
    form_->custompanel->hide();
    emit captionChanged(tr("Select"));
    updateShown();
    form_->List3->setFocus();
}

void CustomListPanel::hidePicker(bool showList)
{
    form_->List3->hide();
    // Without showList another view takes the picker's place at once.
    if (showList)
        updateShown();
}

void CustomListPanel::updateShown()
{
    const bool shown = showing();
    setVisible(shown);
    emit viewsShown(shown);
}

void CustomListPanel::showItems(const std::vector<ListEntry>& entries)
{
    itemRecords_.clear();
    itemRecords_.reserve(entries.size());
    QStringList rows;
    rows.reserve(qsizetype(entries.size()));
    for (const ListEntry& entry : entries) {
        rows.append(entry.item);
        itemRecords_.push_back(entry.record);
    }
    form_->List4->clear();
    form_->List4->addItems(rows);
    form_->List4->setStyleSheet(state_->pickerMode == PickerMode::Get
                                    ? QStringLiteral("QListWidget { background: rgb(192,255,255); color: black; }")
                                    : QStringLiteral("QListWidget { background: rgb(255,192,192); color: black; }"));
    form_->List4->show();
    form_->List3->hide();
    updateShown();
    form_->List4->setFocus();
}

void CustomListPanel::showPanel(const QString& caption)
{
    form_->custompanel->show();
    form_->nevermindcmd->show();
    emit captionChanged(caption);
}

void CustomListPanel::showPreview(const QStringList& rows, const QString& caption)
{
    form_->List5->clear();
    form_->List5->addItems(rows);
    emit captionChanged(caption);
    form_->List5->show();
    updateShown();
    form_->List5->setFocus();
}

void CustomListPanel::leave()
{
    for (QWidget* view : {form_->List3, form_->List4, form_->List5})
        view->hide();
    emit captionChanged(state_->ListCaption);
    form_->List3->clear();
    form_->List4->clear();
    form_->List5->clear();
    itemRecords_.clear();
    selectedName_.clear();
    state_->pickerMode = PickerMode::None;
    form_->custompanel->hide();
    updateShown();
}

QList<QWidget*> CustomListPanel::magnifiedLists() const
{
    return {form_->List3, form_->List4};
}

bool CustomListPanel::showing() const
{
    return !form_->List3->isHidden() || !form_->List4->isHidden() || !form_->List5->isHidden();
}

std::vector<int> CustomListPanel::selectedRecords() const
{
    std::vector<int> records;
    for (int row = 0; row < form_->List4->count() && row < int(itemRecords_.size()); ++row) {
        if (form_->List4->item(row)->isSelected())
            records.push_back(itemRecords_[size_t(row)]);
    }
    return records;
}

void CustomListPanel::pickerClicked(int row)
{
    if (row == kReturnRow) {
        leave();
        return;
    }
    if (row < kFirstNameRow)
        return;
    selectedName_ = form_->List3->item(row)->text();
    emit listPicked();
}

bool CustomListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_->List3 && isActivationKey(event)) {
        if (form_->List3->currentRow() >= 0)
            pickerClicked(form_->List3->currentRow());
        return true;
    }
    if ((watched == form_->List5 && isActivationKey(event)) ||
        (watched == form_->List5->viewport() && event->type() == QEvent::MouseButtonPress)) {
        leave();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace customlists
