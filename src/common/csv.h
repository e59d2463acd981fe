#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

struct SaveFileRequest;
class Prompter;

// Rows as a spreadsheet reads them: UTF-8, comma separated, lines ended by
// CR LF, a field quoted when it holds a comma, a quote or a line break, its
// quotes doubled.
QByteArray CsvText(const QList<QStringList> &rows);

// Asks where to save rows (the request proposes a name), writes them as one
// whole file and tells the user where they went, or why they did not.
// rows: the headings, then one row per line. title: the asking window's.
// False when nothing was written.
bool ExportCsv(Prompter &prompter, const SaveFileRequest &request, const QList<QStringList> &rows,
               const QString &title);
