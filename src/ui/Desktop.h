#pragma once

#include <QString>
#include <QUrl>

namespace ui {

// What the program asks of the desktop around it.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // Opens a web address, or a local file in the program that shows it; false when
    // nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts a program from the working folder as a separate process; false when it could
    // not be started.
    virtual bool startProgram(const QString& program) = 0;
};

} // namespace ui
