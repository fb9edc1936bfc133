#pragma once

#include <QList>

class QWidget;

namespace app {

// The point size a list's font has now.
double listFontSize(const QWidget* list);
// The point size the desktop gives lists of this kind.
double desktopListFontSize(const QWidget* list);
// Sets the lists' font size. Their heights stay as the layout made them, so larger type
// shows fewer rows rather than pushing the rest of the window about.
void setListFontSize(const QList<QWidget*>& lists, double points);
// One step of the list magnifier: the first list's font decides the next size of all.
void magnifyLists(const QList<QWidget*>& lists);

} // namespace app
