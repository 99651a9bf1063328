// quellrix-bench-coldstart: starts the window as the program does and, once the form has been shown
// and the event loop runs, writes "shown" to standard output and quits.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/gui/GuiSession.h"
#include "bench/gui/AnsweringPrompt.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ConfigureApplication(application);

    GuiSession session;
    AnsweringPrompt answering;
    const platform::ScopedPrompt installed(answering);
    if (!session.Start())
        return 1;
    QTimer::singleShot(0, &application, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
