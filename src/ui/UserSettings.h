#pragma once

#include <QSettings>

namespace ui {

// What the desktop expects a program to remember (window places, recent stores, the last
// folder) and the data files do not hold. It lives in the user's configuration folder
// (~/.config/Pantrix/Pantrix.conf), never in the data folder, whose files stay the
// program's own.
class UserSettings : public QSettings
{
public:
    UserSettings()
        : QSettings(QStringLiteral("Pantrix"), QStringLiteral("Pantrix"))
    {
    }
};

} // namespace ui
