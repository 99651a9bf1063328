// The Quellrix window.
#include <QApplication>
#include <QStringList>

#include "app/gui/GuiSession.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ConfigureApplication(application);

    // The framework's rule: the first argument names a file to open.
    const QStringList arguments = QCoreApplication::arguments();
    const std::string file = arguments.size() > 1 ? arguments[1].toStdString() : std::string();

    GuiSession session;
    if (!session.Start(file))
        return 1;
    return QApplication::exec();
}
