#include "race_data/save_ventaro_race_data.h"

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "common/field.h"
#include "common/file_lock.h"
#include "common/folders.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/line_file.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "race_data/arrival_colors.h"
#include "race_data/race_memory_readout.h"
#include "race_data/ventaro_dates.h"
#include "race_data/ventaro_file.h"
#include "race_data/ventaro_races.h"
#include "race_data/ventaro_records.h"
#include "transfer/admin_readout.h"
#include "transfer/admin_records.h"
#include "transfer/readout_guard.h"
#include "transfer/transfer_context.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString OldDataTitle = QStringLiteral("Old race data");

QString mmddyy(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yy"));
}

bool confirmNotice(Prompter &prompter, const QString &notice, const QByteArray &flyerName)
{
    return prompter.message(Message{notice + CRLF + QStringLiteral("Do you wish to save the clock data?"),
                                    QStringLiteral("Ventaro Notice for ") + toText(flyerName), MsgIcon::Exclamation,
                                    MsgButtons::YesNo, 0, false})
        == MsgAnswer::Yes;
}

// Asks until the date lies from a year back to today; nullopt when the user
// gives up.
std::optional<QDate> askLiberationDate(Prompter &prompter, const QString &proposed, const QDate &today)
{
    QString prompt = QStringLiteral("Current year by default");
    for (;;) {
        const std::optional<QString> answer =
            prompter.input(prompt, QStringLiteral("Enter liberation date"), proposed);
        const std::optional<QDate> date = answer ? LiberationDateFrom(*answer, today) : std::nullopt;
        if (!date) {
            const MsgAnswer again = prompter.message(Message{QStringLiteral("Do you wish to try again ? "),
                                                             QStringLiteral("Invalid data type"), MsgIcon::Exclamation,
                                                             MsgButtons::YesNo, 0, false});
            if (again != MsgAnswer::Yes)
                return std::nullopt;
        } else if (LiberationDateInRange(*date, today)) {
            return date;
        }
        prompter.beep();
        prompt = LiberationRangePrompt(today);
    }
}

// What the new races follow and what the file should still hold when they
// are written (nothing once the old season was kept under another name).
struct Continuation {
    QByteArray kept;
    QByteArray expectedOnDisk;
};

// The file's content, or nothing for a new season, after keeping the old one
// under another name if the user wants. nullopt when the old file could not
// be kept.
std::optional<Continuation> contentToKeep(Prompter &prompter, const QString &path, const VentaroFile &file,
                                          const QDate &liberation)
{
    if (!HoldsAnotherSeason(file, liberation))
        return Continuation{KeptForAppending(file), file.content};
    const QString oldDate = mmddyy(file.firstDate);
    const MsgAnswer keep = prompter.message(Message{QStringLiteral("Do you wish to save") + CRLF
                                                        + QStringLiteral("the race data from") + CRLF + oldDate
                                                        + QStringLiteral("?"),
                                                    OldDataTitle, MsgIcon::Question, MsgButtons::YesNo, 0, false});
    if (keep != MsgAnswer::Yes)
        return Continuation{QByteArray(), file.content};
    const QString oldPath = OldSeasonPath(path, file.firstDate);
    if (!QFile::rename(path, oldPath)) {
        prompter.inform(QStringLiteral("The race data from ") + oldDate + QStringLiteral(" could not be kept as ")
                        + Folders::native(oldPath) + QStringLiteral(".") + CRLF + RaceDataNotSaved);
        return std::nullopt;
    }
    prompter.message(Message{QStringLiteral("Race data from ") + oldDate + CRLF + QString(15, QLatin1Char(' '))
                                 + QStringLiteral("saved in") + CRLF + Folders::native(oldPath),
                             OldDataTitle, MsgIcon::Exclamation, MsgButtons::Ok, 0, false});
    return Continuation{};
}

// The week file may be shared by several computers: another copy of Tamrel
// waits for the lock; empty when it is held, else why not.
QString claimWeekFile(FileLock &lock, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    switch (lock.claim(path + QStringLiteral(".lock"))) {
    case FileLock::Claim::Held:
        return {};
    case FileLock::Claim::InUse:
        return Folders::native(path) + QStringLiteral(" is being written by another copy of Tamrel") + lock.holder()
             + QStringLiteral(". Try again when it has finished. If no copy of Tamrel is saving race data, delete ")
             + Folders::native(lock.lockPath()) + QLatin1Char('.');
    case FileLock::Claim::Impossible:
        break;
    }
    return QStringLiteral("No lock file can be placed beside ") + Folders::native(path) + QStringLiteral(": ")
         + lock.cause() + QLatin1Char('.');
}

// A program that takes no lock may have written to the file meanwhile; its
// lines must not be lost under the new ones.
bool unchangedSinceRead(const QString &path, const QByteArray &expected)
{
    QFile file(path);
    if (!file.exists())
        return expected.isEmpty();
    return file.open(QIODevice::ReadOnly) && file.readAll() == expected;
}

// The records of every race, counted in the progress window.
QList<QByteArray> raceRecords(TransferContext &context, const VentaroRaces &races, const QByteArray &liberation,
                              ArrivalColors &colors, const QByteArray &flyerName)
{
    const ClockIdentity &id = context.identity;
    const VentaroVersions versions{TAMREL_VERSION, id.LmdVersion, id.ModelCode};
    const RaceLists &lists = races.lists;
    QList<QByteArray> records{VentaroRecordZero(liberation)};
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());
    context.progress.setTitle(toText(flyerName));
    int written = 0;
    for (qsizetype race = 0; race < lists.RaceHeaderLines.size(); ++race) {
        const QByteArray &header = lists.RaceHeaderLines.at(race);
        colors.startRace(OwnerOfRace(header));
        const int arrivals = int(lists.ArrivalRace.count(qint16(race)));
        records.append(VentaroRaceRecord(header, arrivals, flyerName, versions));
        records.append(VentaroClockRecord(header));
        for (qsizetype a = 0; a < lists.ArrivalLines.size(); ++a) {
            if (lists.ArrivalRace.at(a) != race)
                continue;
            const QByteArray &arrival = lists.ArrivalLines.at(a);
            records.append(VentaroArrivalRecord(header, arrival, colors.colorOf(arrival)));
            context.progress.setSecondLine(QString::number(++written) + QStringLiteral(" Records Written"));
        }
    }
    context.progress.closeProgress();
    return records;
}

} // namespace

void SaveVentaroRaceData(TransferContext &context, Database &db, const Folders &folders, const QDate &today)
{
    const std::optional<RaceReadout> readout =
        ReadRaceMemoryToSave(context, RaceReadoutReplyLimit, QStringLiteral("    No arrival data in LMD"));
    if (!readout)
        return;
    const VentaroRaces races = SortForVentaro(readout->blocks);
    if (const QString nothing = NothingToSave(races); !nothing.isEmpty()) {
        context.prompter.inform(nothing);
        return;
    }

    const FlyerRecordRead module = ReadModuleFlyerName(context, RaceDataNotSaved);
    context.link.closePort();
    if (module.end == FlyerRecordRead::End::BrokenOff)
        return;
    const QByteArray flyerName = FlyerNameOf(module.record).trimmed();
    if (!races.notice.isEmpty() && !confirmNotice(context.prompter, races.notice, flyerName))
        return;

    const std::optional<QDate> liberation = askLiberationDate(
        context.prompter, toText(Field(races.lists.RaceHeaderLines.constFirst(), 59, 5)), today);
    if (!liberation)
        return;
    const QString path = context.prompter.saveFileName(
        {QStringLiteral("Save Race Data for Ventaro"), folders.raceDir(),
         VentaroFileName(*liberation), QStringLiteral("Ventaro Data Files (*.D00)"), false});
    // A cancelled dialog writes nothing anywhere.
    if (path.isEmpty()) {
        context.prompter.inform(RaceDataNotSaved);
        return;
    }
    FileLock weekLock;
    if (const QString busy = claimWeekFile(weekLock, path); !busy.isEmpty()) {
        context.prompter.inform(busy + CRLF + RaceDataNotSaved);
        return;
    }
    const VentaroFile file = LookAtVentaroFile(path, *liberation);
    if (file.kind == VentaroFile::Kind::Unreadable) {
        weekLock.release();
        context.prompter.inform(QStringLiteral("Error opening file") + CRLF + QStringLiteral("Race data not saved"));
        return;
    }
    const std::optional<Continuation> continuation = contentToKeep(context.prompter, path, file, *liberation);
    if (!continuation)
        return;

    ArrivalColors colors(db, context.prompter, context.identity.LmdVersion, flyerName);
    const QList<QByteArray> records = raceRecords(context, races, VentaroDate(*liberation), colors, flyerName);
    const bool unchanged = unchangedSinceRead(path, continuation->expectedOnDisk);
    const Outcome written = unchanged ? WriteLineFile(path, records, continuation->kept) : Outcome::failure({});
    // Another copy need not wait while the user reads how it went.
    weekLock.release();
    if (!unchanged) {
        context.prompter.inform(Folders::native(path)
                                + QStringLiteral(" was changed by another program while the race data was prepared.")
                                + CRLF + RaceDataNotSaved + QStringLiteral(" Save it again."));
        return;
    }
    if (!written.ok) {
        context.prompter.inform(Folders::native(path) + QStringLiteral(" could not be written: ") + written.message
                                + QLatin1Char('.') + CRLF + RaceDataNotSaved);
        return;
    }
    QString done = QStringLiteral("Race data copied to file OK.");
    if (const QString notes = ReadoutNotes(*readout); !notes.isEmpty())
        done += CRLF + CRLF + notes;
    context.prompter.inform(done);
}
