#include "pantnote.h"

#include "NotesRules.h"
#include "data/FixedField.h"
#include "ui/Dialogs.h"
#include "ui/PrintJob.h"
#include "ui_pantnote.h"

#include <QApplication>
#include <QTextCursor>

namespace notes {

pantnote::pantnote(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent)
    : ui::SecondaryWindow(parent, Modality::Modal)
    , form_(std::make_unique<Ui::pantnote>())
    , dialogs_(dialogs)
    , printer_(printer)
    , desktop_(desktop)
{
    form_->setupUi(this);
    data::FileResult unread;
    form_->Text1->setPlainText(readNotes(&unread));
    fitted_ = form_->Text1->toPlainText();
    form_->countlbl->setText(usedBytesText(fitted_));
    connect(form_->Text1, &QPlainTextEdit::textChanged, this, &pantnote::keepWithinRecord);

    connect(form_->savecmd, &QPushButton::clicked, this, &pantnote::saveAndClose);
    connect(form_->cancelcmd, &QPushButton::clicked, this, &QDialog::reject);
    connect(form_->printcmd, &QPushButton::clicked, this, &pantnote::printNotes);
    connect(form_->whatcmd, &QPushButton::clicked, this, [this] { dialogs_.tell(whatsThis(), ui::Title::none()); });
    // Notes that cannot be read are not shown as none without a word; saving then refuses.
    dialogs_.reportFailure(unread);
}

pantnote::~pantnote() = default;

QString pantnote::whatsThis()
{
    return tr("Enter comments or reminders for your shopping list.  If notes are present, you will be "
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

void pantnote::keepWithinRecord()
{
    const QString now = form_->Text1->toPlainText();
    const qsizetype used = storedNoteBytes(now);
    // An edit that leaves the note within its record, or makes an overlong note (one another
    // program wrote) no longer, is taken as it is.
    if (used <= data::NotesRecord::Length || used <= storedNoteBytes(fitted_)) {
        fitted_ = now;
        form_->countlbl->setText(usedBytesText(now));
        return;
    }
    const FittedEdit fit = fitEdit(fitted_, now);
    QTextCursor cut(form_->Text1->document());
    // Part of the edit, so that one Undo takes back both.
    cut.joinPreviousEditBlock();
    cut.setPosition(int(fit.insertedAt + fit.kept));
    cut.setPosition(int(fit.insertedAt + fit.kept + fit.leftOut.size()), QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.endEditBlock(); // the box's text is now within the record and taken above
    if (fit.leftOut.toUcs4().size() > 1)
        dialogs_.tell(leftOutMessage(fit.leftOut), ui::Title::application(), ui::Icon::Exclamation);
    else
        QApplication::beep(); // one character typed too many
}

} // namespace notes
