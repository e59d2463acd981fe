#pragma once

#include <QString>

// Where the program keeps its files. Built once from the environment at
// start-up and handed to whoever needs it.
class Folders {
public:
    Folders(QString programDir, QString raceDir);

    // TAMREL_HOME or the executable's folder; TAMREL_RACE_DIR or the
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
