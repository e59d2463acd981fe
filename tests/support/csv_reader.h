#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// A reader of comma separated files written apart from the program's writer,
// so that a test reads an export as a spreadsheet would: a leading byte
// order mark skipped, quoted fields with doubled quotes and line breaks,
// records ended by CR LF or LF.
inline QList<QStringList> ReadCsv(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(std::exchange(field, {}));
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row.append(std::exchange(field, {}));
            rows.append(std::exchange(row, {}));
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows.append(row << field);
    return rows;
}
