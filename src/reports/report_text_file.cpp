#include "reports/report_text_file.h"

#include "common/latin1.h"
#include "race_data/tam_file_names.h"
#include "race_data/tam_file_writer.h"
#include "reports/race_file_model.h"
#include "reports/report_builder.h"

QByteArray ReportTextFileName(const QByteArray &header)
{
    return "LMD" + header.mid(14, 5) + '.' + header.mid(8, 3);
}

bool SaveReportTextFile(RaceFileModel &model, const FlightReport &report, QString *error)
{
    const QByteArray name = ReportTextFileName(model.currentHeader());
    if (!IsUsableTamName(name)) {
        *error = QStringLiteral("Invalid file name - ") + toText(name);
        return false;
    }
    const QString path = model.folder + QLatin1Char('/') + toText(name);
    // Lines ended by CR LF, put in place only when complete: a race file's way.
    if (!WriteTamRaceFile(path, report.textFileLines, error))
        return false;
    model.RaceFilePath = path;
    return true;
}
