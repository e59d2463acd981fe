#include "common/folders.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString withTrailingSlash(QString dir)
{
    dir = QDir::fromNativeSeparators(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString fromEnvOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

Folders::Folders(QString programDir, QString raceDir)
    : m_programDir(withTrailingSlash(std::move(programDir)))
    , m_raceDir(withTrailingSlash(std::move(raceDir)))
{
}

Folders Folders::fromEnvironment()
{
#ifdef Q_OS_WIN
    const QString defaultRaceDir = QStringLiteral("C:/TAM/");
#else
    const QString defaultRaceDir = QDir::homePath() + QStringLiteral("/TAM/");
#endif
    return Folders(fromEnvOr("TAMREL_HOME", QCoreApplication::applicationDirPath()),
                   fromEnvOr("TAMREL_RACE_DIR", defaultRaceDir));
}

QString Folders::native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
