#include "bench_database.h"

#include "admin_db/db/database.h"
#include "admin_db/db/transaction.h"
#include "common/folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

bool PrepareBenchDatabase(Database &db, const QTemporaryDir &folder)
{
    const QString delivered = QCoreApplication::applicationDirPath() + QStringLiteral("/tamreldata.mdb");
    if (!folder.isValid() || !QFile::copy(delivered, folder.filePath(QStringLiteral("tamreldata.mdb")))) {
        std::fprintf(stderr, "cannot copy %s into a scratch folder\n", qPrintable(delivered));
        return false;
    }
    PrepareDatabase(db, Folders(folder.path() + QLatin1Char('/'), folder.path() + QStringLiteral("/TAM/")));
    return true;
}

void FillFlyersAndBirds(Database &db, int flyers, int birdsPerFlyer)
{
    Connection &c = db.connection();
    Transaction together(c);
    Statement flyer = c.prepare("INSERT INTO flyerlist (Name, ClubID) VALUES (?, 1)");
    Statement bird = c.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, "
                               "elecnumber, color, type) VALUES (?, 'US', '20', ?, ?, 'C', ?, 'J', '0')");
    for (int f = 1; f <= flyers; ++f) {
        flyer.bind(1, QStringLiteral("Flyer %1").arg(f, 3, 10, QLatin1Char('0'))).run();
        flyer.reset();
        for (int b = 0; b < birdsPerFlyer; ++b) {
            // 7919 is prime: every serial once, out of order.
            const int serial = (b * 7919) % birdsPerFlyer + 1;
            bird.bind(1, qint64(f)).bind(2, QStringLiteral("F%1").arg(f, 3, 10, QLatin1Char('0')));
            bird.bind(3, QStringLiteral("%1").arg(serial * 100, 6, 10, QLatin1Char('0')));
            bird.bind(4, QStringLiteral("%1").arg(qint64(f) * 10000 + serial, 10, 10, QLatin1Char('0'))).run();
            bird.reset();
        }
    }
    together.commit();
}

double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures.at(figures.size() / 2);
}

int RunsOf(const QStringList &arguments, int fallback, const char *subCommand)
{
    if (arguments.isEmpty())
        return fallback;
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--runs") && arguments.at(1).toInt() > 0)
        return arguments.at(1).toInt();
    std::fprintf(stderr, "usage: tamrel-bench %s [--runs N]\n", subCommand);
    return 0;
}
