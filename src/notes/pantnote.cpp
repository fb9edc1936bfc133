#include "pantnote.h"

#include "NotesRules.h"
#include "data/FixedField.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"
#include "ui_pantnote.h"

namespace notes {

pantnote::pantnote(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantnote>())
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
{
    form_->setupUi(this);
    form_->Text1->setPlainText(readNotes());

    connect(form_->savecmd, &QPushButton::clicked, this, &pantnote::saveAndClose);
    connect(form_->cancelcmd, &QPushButton::clicked, this, &QDialog::reject);
    connect(form_->printcmd, &QPushButton::clicked, this, &pantnote::printNotes);
    connect(form_->whatcmd, &QPushButton::clicked, this, [this] { dialogs_.tell(whatsThis(), ui::Title::none()); });
}

pantnote::~pantnote() = default;

QString pantnote::whatsThis()
{
    return QStringLiteral("Enter comments or reminders for your shopping list.  If notes are present, you will be "
                          "prompted to include when printing.  Only one notes file is kept.  Notes are not unique to "
                          "a list name.");
}

bool pantnote::save()
{
    return !dialogs_.reportFailure(writeNotes(form_->Text1->toPlainText()));
}

void pantnote::saveAndClose()
{
    // A note that could not be saved stays on screen, so it is not lost.
    if (save())
        accept();
}

void pantnote::printNotes()
{
    if (data::trimBlanks(form_->Text1->toPlainText()).isEmpty())
        return;
    if (!save())
        return;
    // What is printed is what was saved, read back.
    ui::printDocument(printer_, dialogs_, desktop_, buildNotesPrintout(readNotes(), QDate::currentDate()));
}

} // namespace notes
