#include "platform/single_instance.h"
#include "platform/termination_signal.h"
#include "ui/shell/form_main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnlink"));
    QApplication::setApplicationVersion(QStringLiteral(TARNLINK_VERSION));
    // A second copy quits at once and silently; the command line is not handed over.
    tarnlink::SingleInstanceLock lock;
    if (!lock.acquired())
        return 0;
    QApplication::setQuitOnLastWindowClosed(false);

    tarnlink::TFormMain window;
    QObject::connect(&window, &tarnlink::TFormMain::programEnds, &app, &QApplication::quit, Qt::QueuedConnection);
    // The end of the desktop session closes the program as Exit would.
    tarnlink::TerminationSignal sessionEnd;
    QObject::connect(&sessionEnd, &tarnlink::TerminationSignal::received, &window, &tarnlink::TFormMain::SessionEnding);
    // Shows the window unless it starts in the tray, then opens the files named at start.
    window.StartUp(QApplication::arguments().mid(1));
    return app.exec();
}
