#include "app/pantrix1.h"
#include "model/SharedState.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pantrix"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    model::SharedState state;
    ui::QtDialogs dialogs;
    app::pantrix1 window(state, dialogs);
    dialogs.setParent(&window);
    window.show();
    window.Load();
    return QApplication::exec();
}
