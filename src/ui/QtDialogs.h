#pragma once

#include "Dialogs.h"

class QWidget;

namespace ui {

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
    QWidget* parent_;
};

} // namespace ui
