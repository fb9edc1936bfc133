#pragma once

#include "Desktop.h"

namespace ui {

// The desktop's own handlers: the default browser (or file viewer) and a detached process.
class QtDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program) override;
};

} // namespace ui
