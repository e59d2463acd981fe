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

// Copies the delivered files into the user's folder: the database only
// when the user has none (it is theirs from then on), the help every time,
// so that an upgrade brings its help along.
void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &file : QDir(from).entryInfoList(QDir::Files)) {
        const QString target = QDir(to).filePath(file.fileName());
        if (file.fileName() == DatabaseFile && QFileInfo::exists(target))
            continue;
        QFile::remove(target);
        if (QFile::copy(file.filePath(), target))
            QFile(target).setPermissions(QFile(target).permissions() | QFile::WriteOwner);
    }
}

void seed(const QString &userDataDir, const QString &deliveredDir)
{
    copyFolder(deliveredDir, userDataDir);
    const QString help = QStringLiteral("help");
    if (QDir(deliveredDir).exists(help))
        copyFolder(QDir(deliveredDir).filePath(help), QDir(userDataDir).filePath(help));
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
    const QString executableDir = QCoreApplication::applicationDirPath();
    return Folders(ProgramFolder(qEnvironmentVariable("TAMREL_HOME"), executableDir, UserDataFolder(),
                                 DeliveredFolder(executableDir)),
                   fromEnvOr("TAMREL_RACE_DIR", defaultRaceDir));
}

QString Folders::native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
