#pragma once

#include <QList>
#include <QString>

// One race file in the browser's list.
struct RaceFileEntry {
    QString fileName;
    bool training = false;   // its first line has "*" as character 45

    // The list's text: the name, and " T" for a training.
    QString text() const;
};

// Whether the browser lists a file of this name: its extension begins with
// a digit, and it is no report text file ("LMD...") nor one of the other
// programs' files ("Z...", "ST6UNST...").
bool IsListedRaceFileName(const QString &name);

// The race files of a folder in name order. A file that cannot be read is
// passed over; the others are still listed.
QList<RaceFileEntry> ListRaceFiles(const QString &folder);

// The count line under the list: "3 file(s) listed".
QString ListedCountText(qsizetype count);
