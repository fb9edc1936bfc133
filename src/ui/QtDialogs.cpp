#include "QtDialogs.h"

#include "SecondaryWindow.h"
#include "UserSettings.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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

QString windowTitleFor(const Title& title)
{
    // Qt shows the application's name in place of an empty title; a blank shows nothing.
    const QString shown = title.shown();
    return shown.isEmpty() ? QStringLiteral(" ") : shown;
}

QWidget* QtDialogs::owner() const
{
    // The window that asks: a box over the main window while the product editor is open
    // would hand the activation back to the main window when it closes.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return parent_;
}

Answer QtDialogs::message(const Message& m)
{
    QMessageBox box(owner());
    box.setWindowTitle(windowTitleFor(m.title));
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
    QInputDialog dialog(owner());
    dialog.setWindowTitle(windowTitleFor(title));
    dialog.setLabelText(shownText(prompt));
    dialog.setTextValue(defaultAnswer);
    dialog.setInputMode(QInputDialog::TextInput);
    // A long prompt wraps within a box no wider than a third of the screen's width (the box
    // would otherwise take the whole prompt on one line, wider than any screen).
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        const int room = dialog.screen()->availableGeometry().width();
        label->setMinimumWidth(qMin(label->fontMetrics().averageCharWidth() * 50, room / 2));
    }
    fitToScreen(&dialog);
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
    // The chooser starts where the user last chose a file, in this run or an earlier one.
    UserSettings settings;
    const QString key = QStringLiteral("files/lastFolder");
    const QString chosen =
        QFileDialog::getOpenFileName(owner(), title, settings.value(key).toString(), filters.join(QLatin1String(";;")));
    if (!chosen.isEmpty())
        settings.setValue(key, QFileInfo(chosen).absolutePath());
    return chosen;
}

} // namespace ui
