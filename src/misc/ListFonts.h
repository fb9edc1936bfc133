#pragma once

#include <QList>

class QWidget;

namespace misc {

// The point size a list's font has now.
double listFontSize(const QWidget* list);
// The point size the desktop gives lists of this kind.
double desktopListFontSize(const QWidget* list);
// Sets the lists' font size. Their heights stay as the layout made them, so larger type
// shows fewer rows rather than pushing the rest of the window about.
void setListFontSize(const QList<QWidget*>& lists, double points);

} // namespace misc
