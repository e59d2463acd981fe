#include "reports/report_text_file.h"

#include "common/field.h"
#include "common/latin1.h"
#include "common/line_file.h"
#include "race_data/tam_file_names.h"
#include "reports/race_file_model.h"
#include "reports/report_builder.h"

QByteArray ReportTextFileName(const QByteArray &header)
{
    return "LMD" + Field(header, 15, 5) + '.' + Field(header, 9, 3);
}

Outcome SaveReportTextFile(RaceFileModel &model, const FlightReport &report)
{
    const QByteArray name = ReportTextFileName(model.currentHeader());
    if (!IsUsableTamName(name))
        return Outcome::failure(QStringLiteral("Invalid file name - ") + toText(name));
    const QString path = model.folder + QLatin1Char('/') + toText(name);
    const Outcome written = WriteLineFile(path, report.textFileLines);
    if (written.ok)
        model.RaceFilePath = path;
    return written;
}
