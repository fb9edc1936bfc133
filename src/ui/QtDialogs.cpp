#include "QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QString shownText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

} // namespace

Answer QtDialogs::message(const Message& m)
{
    QMessageBox box(parent_);
    box.setWindowTitle(m.title.shown());
    box.setText(shownText(m.text));
    switch (m.icon) {
    case Icon::None:
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    QMessageBox::StandardButtons buttons;
    Answer escape = Answer::Ok;
    switch (m.buttons) {
    case Buttons::Ok:
        buttons = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        escape = Answer::Cancel;
        break;
    case Buttons::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        escape = Answer::No;
        break;
    case Buttons::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = Answer::Cancel;
        break;
    }
    box.setStandardButtons(buttons);
    box.setEscapeButton(standardButton(escape));
    if (m.defaultButton)
        box.setDefaultButton(standardButton(*m.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return escape;
    }
}

QString QtDialogs::input(const QString& prompt, const Title& title, const QString& defaultAnswer)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title.shown());
    dialog.setLabelText(shownText(prompt));
    dialog.setTextValue(defaultAnswer);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtDialogs::openFile(const QString& title, const QString& filter)
{
    // "Pantrix Lists|*.lst" → "Pantrix Lists (*.lst)"
    QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]));
    return QFileDialog::getOpenFileName(parent_, title, QString(), filters.join(QLatin1String(";;")));
}

} // namespace ui
