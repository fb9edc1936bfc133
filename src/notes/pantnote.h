#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class pantnote;
}
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace notes {

// "Shopping Notes": the one free-text note kept beside every shopping list, in
// pantnotes.dat. The main window takes no input while it is open.
class pantnote : public QWidget
{
    Q_OBJECT

public:
    pantnote(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent = nullptr);
    ~pantnote() override;

    static QString whatsThis();

signals:
    // The window has hidden itself; the main window takes over again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool save();
    void saveAndClose();
    void printNotes();
    void finish();
    void keepWithinRecord();

    std::unique_ptr<Ui::pantnote> form_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    QString fitted_; // the box's text as last seen within the record
};

} // namespace notes
