#include "common/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

const QString DatabaseFile = QStringLiteral("tamreldata.mdb");

bool writableDatabaseIn(const QString &dir)
{
    const QFileInfo database(QDir(dir).filePath(DatabaseFile));
    return database.isFile() && database.isWritable() && QFileInfo(dir).isWritable();
}

// The club's members' names and addresses are nobody else's business on a
// shared computer.
constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

void seed(const QString &userDataDir, const QString &deliveredDir)
{
    QDir().mkpath(userDataDir);
    QFile::setPermissions(userDataDir, OwnerOnly);
    const QString target = QDir(userDataDir).filePath(DatabaseFile);
    if (QFileInfo::exists(target))
        return;
    if (QFile::copy(QDir(deliveredDir).filePath(DatabaseFile), target))
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

bool holdsHelp(const QString &dir)
{
    return QFileInfo::exists(QDir(dir).filePath(QStringLiteral("help/index.html")))
        || QFileInfo::exists(QDir(dir).filePath(QStringLiteral("Tamrel.chm")));
}

} // namespace

QString ProgramFolder(const QString &home, const QString &executableDir, const QString &userDataDir,
                      const QString &deliveredDir)
{
    if (!home.isEmpty())
        return home;
    if (writableDatabaseIn(executableDir))
        return executableDir;
    seed(userDataDir, deliveredDir);
    return userDataDir;
}

QString HelpFolder(const QString &executableDir, const QString &deliveredDir)
{
    return holdsHelp(executableDir) ? executableDir : deliveredDir;
}

QString UserDataFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/Tamrel");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tamrel");
#endif
}

QString DeliveredFolder(const QString &executableDir)
{
    return QDir(executableDir).absoluteFilePath(QStringLiteral("../share/tamrel"));
}

Folders::Folders(QString programDir, QString raceDir, QString helpDir)
    : m_programDir(withTrailingSlash(std::move(programDir)))
    , m_raceDir(withTrailingSlash(std::move(raceDir)))
    , m_helpDir(helpDir.isEmpty() ? m_programDir : withTrailingSlash(std::move(helpDir)))
{
}

Folders Folders::fromEnvironment()
{
#ifdef Q_OS_WIN
    const QString defaultRaceDir = QStringLiteral("C:/TAM/");
#else
    const QString defaultRaceDir = QDir::homePath() + QStringLiteral("/TAM/");
#endif
    const QString executableDir = QCoreApplication::applicationDirPath();
    const QString delivered = DeliveredFolder(executableDir);
    return Folders(ProgramFolder(qEnvironmentVariable("TAMREL_HOME"), executableDir, UserDataFolder(), delivered),
                   fromEnvOr("TAMREL_RACE_DIR", defaultRaceDir), HelpFolder(executableDir, delivered));
}

QString Folders::native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
