#pragma once

#include <QString>

// Where the program keeps its files. Built once from the environment at
// start-up and handed to whoever needs it.
class Folders {
public:
    Folders(QString programDir, QString raceDir);

    // The program folder (ProgramFolder below) and TAMREL_RACE_DIR or the
    // platform's race data folder.
    static Folders fromEnvironment();

    // Folder texts end with the platform's separator, like "C:\TAM\".
    const QString &programDir() const { return m_programDir; }
    const QString &raceDir() const { return m_raceDir; }

    QString inProgramDir(const QString &fileName) const { return m_programDir + fileName; }
    QString inRaceDir(const QString &fileName) const { return m_raceDir + fileName; }

    // A folder text for messages, in the platform's own notation.
    static QString native(const QString &path);

private:
    QString m_programDir;
    QString m_raceDir;
};

// Where the database and the help live: home when set (TAMREL_HOME); else
// the executable's folder when the database there can be written (a
// portable install); else the user's own data folder, where the delivered
// files are copied on the first start, so that two users of one machine
// each keep their own database.
QString ProgramFolder(const QString &home, const QString &executableDir, const QString &userDataDir,
                      const QString &deliveredDir);

// The per-user data folder: ~/.local/share/Tamrel, %APPDATA%\Tamrel.
QString UserDataFolder();
// Where an installed program finds its delivered files (/usr/share/tamrel
// beside /usr/bin).
QString DeliveredFolder(const QString &executableDir);
