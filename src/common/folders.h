#pragma once

#include <QString>

// Where the program keeps its files. Built once from the environment at
// start-up and handed to whoever needs it.
class Folders {
public:
    // The help is read from the program folder unless helpDir is given.
    Folders(QString programDir, QString raceDir, QString helpDir = {});

    // The program folder (ProgramFolder below), TAMREL_RACE_DIR or the
    // platform's race data folder, and the help's folder (HelpFolder below).
    static Folders fromEnvironment();

    // Folder texts end with the platform's separator, like "C:\TAM\".
    const QString &programDir() const { return m_programDir; }
    const QString &raceDir() const { return m_raceDir; }
    const QString &helpDir() const { return m_helpDir; }

    QString inProgramDir(const QString &fileName) const { return m_programDir + fileName; }
    QString inRaceDir(const QString &fileName) const { return m_raceDir + fileName; }
    QString inHelpDir(const QString &fileName) const { return m_helpDir + fileName; }

    // A folder text for messages, in the platform's own notation.
    static QString native(const QString &path);

private:
    QString m_programDir;
    QString m_raceDir;
    QString m_helpDir;
};

// Where the database lives: home when set (TAMREL_HOME); else the
// executable's folder when the database there can be written (a portable
// install); else the user's own data folder, where the delivered database
// is copied on the first start, so that two users of one machine each keep
// their own. That folder is the user's alone (0700, the copy 0600).
QString ProgramFolder(const QString &home, const QString &executableDir, const QString &userDataDir,
                      const QString &deliveredDir);

// Where the help is read: the executable's folder when it holds the help (a
// portable install, the build tree), else the delivered folder. The help is
// never copied, so an upgrade brings its own and a removal takes it along.
QString HelpFolder(const QString &executableDir, const QString &deliveredDir);

// The per-user data folder: ~/.local/share/Tamrel, %APPDATA%\Tamrel.
QString UserDataFolder();
// Where an installed program finds its delivered files (/usr/share/tamrel
// beside /usr/bin).
QString DeliveredFolder(const QString &executableDir);
