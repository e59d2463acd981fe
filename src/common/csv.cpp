#include "common/csv.h"

#include "common/prompter.h"
#include "common/whole_file.h"

#include <QDir>

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    const bool quoted = field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n');
    if (!quoted)
        return field;
    field.replace("\"", "\"\"");
    return '"' + field + '"';
}

} // namespace

QByteArray CsvText(const QList<QStringList> &rows)
{
    // Excel takes a file without the byte order mark for the local code page
    // and garbles every letter outside ASCII.
    QByteArray text = QByteArrayLiteral("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += ',';
            text += csvField(row.at(i));
        }
        text += "\r\n";
    }
    return text;
}

bool ExportCsv(Prompter &prompter, const SaveFileRequest &request, const QList<QStringList> &rows,
               const QString &title)
{
    const QString path = prompter.saveFileName(request);
    if (path.isEmpty())
        return false;
    const Outcome written = WriteWholeFile(path, CsvText(rows));
    const QString shown = QDir::toNativeSeparators(path);
    if (!written.ok) {
        prompter.message(Message{shown + QStringLiteral(" could not be written: ") + written.message + QLatin1Char('.'),
                                 title, MsgIcon::Critical, MsgButtons::Ok, 0, false});
        return false;
    }
    prompter.message(Message{QStringLiteral("%1 line(s) were exported to %2.").arg(rows.size() - 1).arg(shown), title,
                             MsgIcon::Information, MsgButtons::Ok, 0, false});
    return true;
}
