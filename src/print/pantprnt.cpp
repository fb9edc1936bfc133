#include "pantprnt.h"

#include "ShoppingListPrintout.h"
#include "UnitPrices.h"
#include "model/SharedState.h"
#include "model/ShoppingListRules.h"
#include "notes/NotesRules.h"
#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"
#include "ui/QtPrinter.h"
#include "ui_pantprnt.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace print {

pantprnt::pantprnt(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
                   ShownList shown, bool& printed, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantprnt>())
    , state_(state)
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
    , shown_(std::move(shown))
    , printed_(printed)
{
    form_->setupUi(this);
    connect(form_->fontupcmd, &QToolButton::clicked, this,
            [this] { form_->fontsizetxt->setText(nextFontSize(form_->fontsizetxt->text())); });
    connect(form_->fontdowncmd, &QToolButton::clicked, this,
            [this] { form_->fontsizetxt->setText(previousFontSize(form_->fontsizetxt->text())); });
    connect(form_->alpha, &QRadioButton::toggled, this, &pantprnt::alphaChosen);
    connect(form_->catopt, &QCheckBox::toggled, this, &pantprnt::headersOrSeparatorsChecked);
    connect(form_->sepopt, &QCheckBox::toggled, this, &pantprnt::headersOrSeparatorsChecked);
    connect(form_->bold, &QRadioButton::toggled, this, &pantprnt::boldChosen);
    connect(form_->clearcmd, &QPushButton::clicked, this, [this] {
        for (QLineEdit* box : {form_->notetxt_0, form_->notetxt_1, form_->notetxt_2})
            box->clear();
    });
    connect(form_->printcmd, &QPushButton::clicked, this, &pantprnt::printList);
    connect(form_->previewcmd, &QPushButton::clicked, this, &pantprnt::preview);
    connect(form_->cancelcmd, &QPushButton::clicked, this, &pantprnt::saveAndClose);
    connect(form_->exitcmd, &QPushButton::clicked, this, &QDialog::reject);

    load();
}

pantprnt::~pantprnt() = default;

void pantprnt::load()
{
    const QList<QLineEdit*> boxes = {form_->notetxt_0, form_->notetxt_1, form_->notetxt_2};
    // Files that cannot be read are told now, before choices are made that cannot be saved.
    data::FileResult unread;
    if (!printed_) {
        const QStringList lines = readCommentLines(&unread);
        dialogs_.reportFailure(unread);
        for (int i = 0; i < 3; ++i)
            boxes[i]->setText(lines[i]);
    }
    settings_ = readSettingsRecord(&unread);
    dialogs_.reportFailure(unread);
    showChoices(choicesFromRecord(settings_));

    QLineEdit* first = boxes[0];
    for (QLineEdit* box : boxes) {
        if (data::trimBlanks(box->text()).isEmpty()) {
            first = box;
            break;
        }
    }
    first->setFocus();
}

void pantprnt::showChoices(const PrintChoices& c)
{
    form_->fontsizetxt->setText(c.fontSize);
    (c.bold ? form_->bold : form_->regular)->setChecked(true);
    boldChosen(c.bold);
    (c.byCategory ? form_->category : form_->alpha)->setChecked(true);
    (c.price ? form_->price : form_->noprice)->setChecked(true);
    // Checked headers or separators bring the category order with them, as when the user
    // checks them.
    form_->sepopt->setChecked(c.separators);
    form_->catopt->setChecked(c.headers);
    form_->indenttxt->setText(c.indentText);
    form_->indent->setChecked(c.indent);
}

PrintChoices pantprnt::choices() const
{
    PrintChoices c;
    c.fontSize = form_->fontsizetxt->text();
    c.bold = form_->bold->isChecked();
    c.byCategory = form_->category->isChecked();
    c.price = form_->price->isChecked();
    c.separators = form_->sepopt->isChecked();
    c.headers = form_->catopt->isChecked();
    c.indent = form_->indent->isChecked();
    c.indentText = form_->indenttxt->text();
    return c;
}

QStringList pantprnt::comments() const
{
    return {form_->notetxt_0->text(), form_->notetxt_1->text(), form_->notetxt_2->text()};
}

bool pantprnt::saveComments()
{
    return !dialogs_.reportFailure(writeCommentLines(comments()));
}

bool pantprnt::saveparameters()
{
    // Read afresh, so that the part of the record this dialog does not own is kept as the
    // file has it now.
    settings_ = recordFromChoices(choices(), readSettingsRecord());
    return !dialogs_.reportFailure(writeSettingsRecord(settings_));
}

ui::PrintDocument pantprnt::document()
{
    ShoppingPrintout in;
    in.choices = choices();
    in.comments = comments();
    in.totalText = shown_.totalText;
    in.date = QDate::currentDate();

    const QString notes = notes::readNotes();
    if (notes::hasPrintableNotes(notes)) {
        in.notes = dialogs_.ask(tr("There are notes on file.  Print them?"), ui::Title::none(), ui::Buttons::YesNo,
                                ui::Icon::None) == ui::Answer::Yes;
        if (in.notes)
            in.noteLines = notes::wrapNoteText(notes, kNoteColumns);
    }

    const ui::BusyCursor busy;
    // Both are open while the main window runs; a file that cannot be opened reads as empty
    // and the main window has told about it already.
    if (!state_.items.isOpen() || state_.items.name() != state_.ListFile)
        (void)state_.items.open(state_.ListFile);
    if (!state_.products.isOpen() || state_.products.name() != state_.ProductFile)
        (void)state_.products.open(state_.ProductFile);
    in.items = state_.items.readAll();
    // The rows in the order the Shopping List shows them, as many as it showed.
    const model::ShoppingListView view = model::buildShoppingList(in.items, state_.listOrder);
    for (const model::ShoppingRow& row : view.rows) {
        if (int(in.rows.size()) >= shown_.rowCount)
            break;
        in.rows.push_back(row.record);
    }
    const UnitPrices prices(in.choices.price ? state_.products.readAllBytes() : QByteArray());
    return buildShoppingListPrintout(in, prices);
}

void pantprnt::printList()
{
    printAndClose(document());
}

void pantprnt::printAndClose(const ui::PrintDocument& doc)
{
    // A printout the user stopped leaves everything as it was, the dialog open with the
    // choices made.
    if (ui::printDocument(printer_, dialogs_, desktop_, doc) == ui::PrintResult::Cancelled)
        return;
    // Settings that cannot be saved are reported; the printout is made all the same.
    saveComments();
    saveparameters();
    printed_ = true;
    accept();
}

void pantprnt::preview()
{
    const ui::PrintDocument doc = document();
    QPrintPreviewDialog dialog(this);
    // Large enough to read a whole page.
    dialog.resize(760, 760);
    ui::QtPrinter::prepare(*dialog.printer(), doc);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&doc](QPrinter* printer) { ui::QtPrinter::paint(doc, *printer); });
    // The preview's own Print would open the system's print dialog and print past the
    // program's path (no PDF in Printouts/, nothing saved, no printed flag): it closes the
    // preview and prints as Print does, what the preview showed.
    bool print = false;
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        disconnect(action, &QAction::triggered, &dialog, nullptr);
        connect(action, &QAction::triggered, &dialog, [&] {
            print = true;
            dialog.accept();
        });
    }
    dialog.exec();
    if (print)
        printAndClose(doc);
}

void pantprnt::saveAndClose()
{
    // Settings that could not be saved leave the dialog open, so the choices are not lost.
    if (saveComments() && saveparameters())
        accept();
}

void pantprnt::alphaChosen(bool on)
{
    if (!on)
        return;
    form_->sepopt->setChecked(false);
    form_->catopt->setChecked(false);
}

void pantprnt::headersOrSeparatorsChecked(bool on)
{
    if (on)
        form_->category->setChecked(true);
}

void pantprnt::boldChosen(bool on)
{
    QFont font = form_->fontsizetxt->font();
    font.setBold(on);
    form_->fontsizetxt->setFont(font);
}

} // namespace print
