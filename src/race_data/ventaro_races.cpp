#include "race_data/ventaro_races.h"

#include "common/field.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/text_helpers.h"

#include <QLocale>

namespace {

// The menu captions a user finds the other race commands under.
const QString RaceMenu = QStringLiteral("Race Information");
const QString TamCommand = QStringLiteral("Save Race Data (\"TAM\" style)");
const QString ReportCommand = QStringLiteral("Tamrel Race Data Reports");

QString countOf(int count, const char *what)
{
    return count == 1 ? QStringLiteral(" is 1 ") + QLatin1String(what) + QStringLiteral(" ")
                      : QStringLiteral(" are ") + QString::number(count) + QLatin1Char(' ') + QLatin1String(what)
                            + QStringLiteral("s ");
}

QString whereToLook(const QString &then)
{
    return QStringLiteral("Click on '") + RaceMenu + QStringLiteral("' -> '") + TamCommand + QStringLiteral("'") + CRLF
         + QStringLiteral("Then use '") + ReportCommand + QStringLiteral("' ") + then;
}

} // namespace

VentaroRaces SortForVentaro(const RaceImage &image)
{
    VentaroRaces races;
    races.lists = ClassifyRaceImage(image, ReaderRules::ventaroWriter());
    for (const QByteArray &header : races.lists.RaceHeaderLines) {
        if (LenientNumber(Field(header, 56, 2)) > 0)
            ++races.compatible;
        if (LenientNumber(Field(header, 50, 6)) == 0) {
            races.notice += QStringLiteral("No 'Strike Out' for Race #") + toText(Field(header, 56, 2))
                          + QStringLiteral(" - ") + toText(Field(header, 65, 8)) + CRLF;
            --races.compatible;
        }
    }
    if (!races.notice.isEmpty())
        races.notice += CRLF;
    const int all = races.raceCount();
    if (races.compatible != all && races.compatible >= 1)
        races.notice += QStringLiteral("There") + countOf(all, "race") + QStringLiteral("in this clock") + CRLF + CRLF
                      + QStringLiteral("There") + countOf(all - races.compatible, "race")
                      + QStringLiteral("Ventaro might not read") + CRLF;
    return races;
}

QString NothingToSave(const VentaroRaces &races)
{
    if (races.lists.headersLeftOut > 0)
        return QStringLiteral("The clock holds more than %1 races; a Ventaro race file takes at most %1.")
                   .arg(RaceLists::HeaderSlots - 1)
             + CRLF + RaceDataNotSaved;
    if (races.lists.arrivalsLeftOut > 0)
        return QStringLiteral("The clock holds more than %1 arrivals; a Ventaro race file takes at most %1.")
                   .arg(QLocale(QLocale::English).toString(RaceLists::ArrivalSlots - 1))
             + CRLF + RaceDataNotSaved;
    if (races.raceCount() == 0)
        return QStringLiteral("No races to save.  Any clockings are training data, only. ") + CRLF
             + whereToLook(QStringLiteral("to see available training data."));
    if (races.compatible < 1)
        return races.notice + QStringLiteral("No Ventaro compatible races to save.  ") + CRLF
             + whereToLook(QStringLiteral("to view arrival data."));
    return {};
}
