#include "reports/race_file_model.h"

#include "common/line_breaks.h"
#include "reports/race_file_reading.h"

#include <QFileInfo>
#include <QStringList>

RaceFileLoad LoadRaceFile(RaceFileModel &model)
{
    const std::optional<RaceFileLines> read = ReadRaceFileLines(model.RaceFilePath);
    if (!read)
        return RaceFileLoad::NotFound;
    model.folder = QFileInfo(model.RaceFilePath).absolutePath();
    return LoadRaceLines(model, *read);
}

RaceFileLoad LoadRaceLines(RaceFileModel &model, const RaceFileLines &read)
{
    model.lists = ClassifyRaceImage(read.lines, ReaderRules::raceReport());
    model.CurrentRaceIndex = 0;
    model.cutShort = read.cutShort;
    model.linesNotShown = model.lists.linesLeftOut() + int(model.lists.ArrivalRace.count(qint16(-1)));
    return model.flightCount() == 0 ? RaceFileLoad::NoFlight : RaceFileLoad::Loaded;
}

QString NotShownNote(const RaceFileModel &model)
{
    QStringList notes;
    if (model.linesNotShown > 0)
        notes.append(QString::number(model.linesNotShown)
                     + QStringLiteral(" line(s) of the race file belong to no flight the report can show"
                                      " and are left out."));
    if (model.cutShort)
        notes.append(QStringLiteral("The file is larger than any race memory; only its first %1 KB were read.")
                         .arg(RaceFileReadLimit / 1024));
    return notes.join(CRLF + CRLF);
}
