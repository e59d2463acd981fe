#pragma once

#include "admin_db/records/admin_shared_state.h"
#include "fake_module_clock.h"
#include "link_rig.h"
#include "scratch_database.h"

#include <QTest>

// A transfer's world: a scripted memory module on a fake port in virtual
// time, and a database with club 7 and its flyer Abel (number 1).
struct TransferRig : LinkRig {
    explicit TransferRig(const QString &name) : scratch(name)
    {
        port.setResponder(std::ref(module));
        module.time = &time;
        Connection &c = scratch.db.connection();
        c.execute("INSERT INTO clubs (ClubID, ClubName) VALUES (7, 'Northside')");
        c.execute("INSERT INTO flyerlist (FlyerID, Name, ClubID) VALUES (1, 'Abel', 7)");
    }

    // count birds of Abel hatched in year, serials from 1.
    void addBirds(int count, const QByteArray &year)
    {
        QStringList rows;
        const qint64 first = Number(scratch.db.connection(), "SELECT count(*) FROM birds") + 1;
        for (qint64 serial = first; serial < first + count; ++serial)
            rows.append(QStringLiteral("US|%1|  AB|%2").arg(QLatin1String(year)).arg(serial, 6, 10, QLatin1Char('0')));
        InsertRows(scratch.db.connection(),
                   "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, "
                   "type) VALUES (1, ?, ?, ?, ?, 'C', '0000000000', 'J', '0')",
                   rows);
    }

    // Each message begins as expected.
    void checkMessages(const QStringList &starts) const
    {
        const QStringList texts = prompter.texts();
        QCOMPARE(texts.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i)
            QVERIFY2(texts.at(i).startsWith(starts.at(i)), qPrintable(texts.at(i)));
    }

    PortOneFile device;
    FakeModuleClock module;
    ScratchDatabase scratch;
    AdminSharedState shared;
};
