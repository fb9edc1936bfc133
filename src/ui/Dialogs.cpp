#include "Dialogs.h"

namespace ui {

QString Title::shown() const
{
    switch (kind) {
    case Kind::Application:
        return kApplicationTitle;
    case Kind::Empty:
        return {};
    case Kind::Own:
        return text;
    }
    return {};
}

} // namespace ui
