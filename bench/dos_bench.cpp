#include "dos_bench.h"

#include "admin_db/db/database.h"
#include "admin_db/records/admin_shared_state.h"
#include "bench_database.h"
#include "clock_on_line.h"
#include "dos_import/dos_import.h"
#include "stderr_prompter.h"
#include "unseen_progress.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Flyers = 1000;
constexpr int BirdsPerFlyer = 50;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The admin file S123401.DAT and one inventory file a flyer; combine 01,
// clubs 00 to 09, flyer numbers 000 to 099 in each.
bool writeDosFiles(const QTemporaryDir &folder)
{
    QByteArray admin;
    for (int f = 0; f < Flyers; ++f) {
        const QByteArray club = QByteArray::number(f / 100).rightJustified(2, '0');
        const QByteArray number = QByteArray::number(f % 100).rightJustified(3, '0');
        admin += "S3   01" + club + number + ("Flyer " + QByteArray::number(f)).leftJustified(20, ' ') + "0421234"
               + "0883210\r\n";
        QByteArray birds;
        for (int b = 0; b < BirdsPerFlyer; ++b)
            birds += "US20" + ("F" + QByteArray::number(f)).rightJustified(4, '0')
                   + QByteArray::number(b + 1).rightJustified(6, '0') + "C0000000000D\r\n";
        if (!writeFile(folder.filePath(QString::fromLatin1("Z01" + club + "." + number)), birds))
            return false;
    }
    return writeFile(folder.filePath(QStringLiteral("S123401.DAT")), admin);
}

} // namespace

int RunDosBench(const QStringList &arguments)
{
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tamrel-bench dos\n");
        return 2;
    }
    QTemporaryDir dosFolder, programFolder;
    Database db;
    if (!writeDosFiles(dosFolder) || !PrepareBenchDatabase(db, programFolder))
        return 1;
    db.connection().execute("INSERT INTO clubs (ClubName) VALUES ('Lakeside')");

    StderrPrompter prompter;
    UnseenProgress progress;
    AdminSharedState shared;
    DosImport import(db, prompter, progress, shared);
    if (import.load(dosFolder.path()) != DosImport::Load::Ready)
        return 1;
    import.fileClicked(0);
    const Stopwatch watch;
    import.importFlyers({});
    const double seconds = watch.elapsedSeconds();
    import.end();

    Statement counts = db.connection().prepare("SELECT (SELECT count(*) FROM flyerlist), (SELECT count(*) FROM birds)");
    counts.next();
    const bool whole = counts.number(0) == Flyers && counts.number(1) == Flyers * BirdsPerFlyer && prompter.messages == 0;
    std::printf("dos: stored_flyers=%lld stored_birds=%lld whole=%s messages=%d\n", counts.number(0),
                counts.number(1), whole ? "yes" : "no", prompter.messages);
    std::printf("dos: flyers=%d birds=%d import_s=%.2f\n", Flyers, Flyers * BirdsPerFlyer, seconds);
    return whole ? 0 : 1;
}
