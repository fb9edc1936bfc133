#pragma once

#include <QApplication>
#include <QPalette>

// A dark desktop theme (light text on dark ground) for the life of the object.
struct DarkPalette
{
    DarkPalette() { QApplication::setPalette(QPalette(QColor(40, 40, 40))); }
    ~DarkPalette() { QApplication::setPalette(previous); }
    const QPalette previous = QApplication::palette();
};
