#include "report_bench.h"

#include "admin_db/db/database.h"
#include "admin_db/db/transaction.h"
#include "common/folders.h"
#include "race_data/tam_file_writer.h"
#include "reports/owner_lookup.h"
#include "reports/race_file_model.h"
#include "reports/report_builder.h"
#include "reports/report_text_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Birds = 5000;
constexpr int Flyers = 50;
constexpr int Arrivals = 1000;
constexpr int Runs = 5;

QByteArray serial(int n)
{
    return QByteArray::number(n).rightJustified(6, '0');
}

void fillBirds(const Database &db)
{
    Connection own;
    own.open(db.path(), db.key());
    Transaction together(own);
    Statement flyer = own.prepare("INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (?, 1, ?)");
    for (int f = 1; f <= Flyers; ++f) {
        flyer.bind(1, f).bind(2, QStringLiteral("Flyer %1").arg(f)).run();
        flyer.reset();
    }
    Statement bird = own.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, "
                                 "elecnumber, color, type) VALUES (?, 'AU', '24', 'BNCH', ?, 'C', '0000000000', "
                                 "'J', '1')");
    for (int b = 0; b < Birds; ++b) {
        bird.bind(1, 1 + b % Flyers).bind(2, serial(b)).run();
        bird.reset();
    }
    together.commit();
}

// One race; every tenth ring is not in the database.
RaceImage raceOfThousand()
{
    RaceImage image = {"123401020050001234505102419000005122418000505122418000001 05/11 BRIGHTON00"};
    for (int a = 0; a < Arrivals; ++a) {
        const int band = a % 10 == 9 ? Birds + a : (a * 7) % Birds;
        image.append("AU24BNCH" + serial(band) + "0" + QByteArray::number(100000 + a * 31) + "0511");
    }
    return image;
}

// Both lookups must be served by an index, never by a scan of the table.
void printPlans(const Database &db)
{
    Connection own;
    own.open(db.path(), db.key());
    for (const QByteArray &query : BandLookup::queries() + QList<QByteArray>{OwnerLookup::flyerQuery()}) {
        Statement plan = own.prepare("EXPLAIN QUERY PLAN " + query);
        while (plan.next())
            std::printf("report: plan %s\n", qPrintable(plan.text("detail")));
    }
}

} // namespace

int RunReportBench(const QStringList &arguments)
{
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tamrel-bench report\n");
        return 2;
    }
    QTemporaryDir folder;
    const Folders folders(folder.path(), folder.filePath(QStringLiteral("TAM")));
    Database db;
    PrepareDatabase(db, folders);
    const QString delivered = QCoreApplication::applicationDirPath() + QStringLiteral("/tamreldata.mdb");
    const Outcome written = folder.isValid() && QFile::copy(delivered, db.path())
                                ? WriteTamRaceFile(folders.inRaceDir(QStringLiteral("12340102.005")), raceOfThousand())
                                : Outcome::failure({});
    if (!written.ok) {
        std::fprintf(stderr, "cannot set up the scratch folder: %s\n", qPrintable(written.message));
        return 1;
    }
    fillBirds(db);
    printPlans(db);
    // The program's connection is open long before a report is asked for.
    db.connection();

    double slowestMs = 0;
    qsizetype listed = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        RaceFileModel model;
        model.RaceFilePath = folders.inRaceDir(QStringLiteral("12340102.005"));
        LoadRaceFile(model);
        OwnerLookup owners(db);
        const FlightReport report = BuildChosenFlight(model, owners);
        const Outcome saved = SaveReportTextFile(model, report);
        slowestMs = qMax(slowestMs, double(timer.nsecsElapsed()) / 1e6);
        listed = report.listLines.size();
        const auto unknown = std::count_if(report.listLines.cbegin(), report.listLines.cend(),
                                           [](const QByteArray &line) { return line.contains("Unknown flyer"); });
        if (!saved.ok || owners.failure() || unknown != Arrivals / 10) {
            std::fprintf(stderr, "the report is not as it should be: %s\n", qPrintable(saved.message));
            return 1;
        }
    }
    std::printf("report: birds=%d flyers=%d runs=%d\n", Birds, Flyers, Runs);
    std::printf("report: arrivals=%lld build_ms=%.1f\n", qint64(listed), slowestMs);
    return 0;
}
