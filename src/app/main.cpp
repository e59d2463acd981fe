#include "app/command_line.h"
#include "app/desktop_viewer.h"
#include "app/main_window.h"
#include "clock/qt_serial_port.h"
#include "common/widgets/qt_prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QIcon>
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
    QApplication::setApplicationName(QStringLiteral("Tamrel"));
    QApplication::setOrganizationName(QStringLiteral("Tamrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAMREL_VERSION));
    // --help and --version, though the program has no command line otherwise:
    // a distribution's manual page and its users ask for them.
    if (const auto exitCode = AnswerHelpOrVersion(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    RefuseUnknownOptions(app);
    // The desktop shows the window under its menu entry, with its icon; a
    // portable install and the build tree carry the icons beside the program.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamrel.Tamrel"));
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QCoreApplication::applicationDirPath() + QStringLiteral("/icons"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tamrel.Tamrel")));

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
