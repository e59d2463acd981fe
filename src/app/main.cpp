#include "app/desktop_viewer.h"
#include "app/main_window.h"
#include "clock/qt_serial_port.h"
#include "common/widgets/qt_prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int main(int argc, char *argv[])
{
#ifdef Q_OS_UNIX
    // A file-size limit then fails the write, which is told, instead of
    // ending the program mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamrel"));
    QApplication::setOrganizationName(QStringLiteral("Tamrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAMREL_VERSION));

    QtSerialPort port;
    SteadyClock clock;
    QtPrompter prompter(nullptr);
    QSettings settings(QStringLiteral("Tamrel"), QStringLiteral("Tamrel"));
    ProgramServices services{Folders::fromEnvironment(), port, clock, prompter, settings,
                             [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
                             DesktopHasViewerFor};

    MainWindow window(std::move(services));
    // Link waits repaint the windows but never serve the user's input.
    window.link().setWaitHook([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });

    QFile linkLog(qEnvironmentVariable("TAMREL_LINK_LOG"));
    if (!linkLog.fileName().isEmpty() && linkLog.open(QIODevice::Append))
        window.logLinkTo(linkLog);

    window.show();
    QTimer::singleShot(0, &window, &MainWindow::startUp);
    return app.exec();
}
