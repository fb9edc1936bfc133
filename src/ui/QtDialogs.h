#pragma once

#include "Dialogs.h"

class QWidget;

namespace ui {

// The title a box's window is given: an explicitly empty title shows no text at all.
QString windowTitleFor(const Title& title);

// The real boxes: QMessageBox, QInputDialog and QFileDialog over the given parent.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const Message& message) override;
    QString input(const QString& prompt, const Title& title, const QString& defaultAnswer) override;
    QString openFile(const QString& title, const QString& filter) override;

private:
    // The window a box belongs to: the one that is active when it is asked for.
    QWidget* owner() const;

    QWidget* parent_;
};

} // namespace ui
