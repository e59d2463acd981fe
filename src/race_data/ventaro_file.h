#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// A Ventaro race file the races are about to go into.
struct VentaroFile {
    enum class Kind {
        New,          // missing or empty
        Existing,     // begins with a record "0"
        Unreadable,   // anything else: not a Ventaro race file
    };
    Kind kind = Kind::New;
    QDate firstDate;      // of an existing file
    QByteArray content;   // of an existing file, kept when appending
};

// reference: the new liberation date, which the file's date lies near.
VentaroFile LookAtVentaroFile(const QString &path, const QDate &reference);

// A file whose first liberation date lies more than 350 days before the new
// one holds another season.
bool HoldsAnotherSeason(const VentaroFile &file, const QDate &liberation);

// Where another season's file is kept: its extension ".D00" becomes ".O"
// and the old year's last two digits, never the name of a file that is
// there already.
QString OldSeasonPath(const QString &path, const QDate &firstDate);

// The existing content of a Ventaro race file, made to end in a line
// break, for the new lines to follow; nothing for a new file.
QByteArray KeptForAppending(const VentaroFile &file);
