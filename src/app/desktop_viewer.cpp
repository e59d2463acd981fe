#include "app/desktop_viewer.h"

#include <QMimeDatabase>
#include <QProcess>

bool DesktopHasViewerFor(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true;
#else
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    return query.waitForFinished(3000) && query.exitCode() == 0
        && !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}
