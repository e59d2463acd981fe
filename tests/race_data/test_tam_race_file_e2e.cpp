#include "clocksim_session.h"
#include "common/folders.h"
#include "scratch_files.h"
#include "race_data/save_tam_race_data.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QString DemoRaceFile = QStringLiteral(TAMREL_DEMO_DIR "/12340102.005");

// One save from a clock stand-in serving the demo race file.
struct SaveRun {
    QByteArray saved;          // empty: no file
    QStringList messages;
};

SaveRun saveFromClocksim(const QStringList &simArguments)
{
    ClocksimSession command(QStringList{QStringLiteral("--race"), DemoRaceFile} + simArguments);
    if (!command.sim.isReady()) {
        qWarning("%s", qPrintable(command.sim.errorText()));
        return {};
    }
    QTemporaryDir dir;
    const Folders folders(dir.path(), dir.filePath(QStringLiteral("TAM")));
    SaveTamRaceData(command.context, folders);
    return {FileBytes(folders.inRaceDir(QStringLiteral("12340102.005"))), command.prompter.texts()};
}
} // namespace

class TestTamRaceFileE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameFileBack_data();
    void sameFileBack();
    void damageIsNeverSilent_data();
    void damageIsNeverSilent();
};

void TestTamRaceFileE2e::sameFileBack_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::newRow("ack, then bare acks") << QStringList{};
    QTest::newRow("data straight away") << QStringList{"--direct-data"};
    QTest::newRow("naks on the line") << QStringList{"--fault", "nak=30", "--seed", "7"};
}

void TestTamRaceFileE2e::sameFileBack()
{
    QFETCH(QStringList, simArguments);
    const SaveRun run = saveFromClocksim(simArguments);
    QCOMPARE(run.messages.size(), 1);
    QVERIFY2(run.messages.constFirst().startsWith("Race data file 12340102.005 saved to "),
             qPrintable(run.messages.constFirst()));
    QCOMPARE(run.saved, FileBytes(DemoRaceFile));
}

void TestTamRaceFileE2e::damageIsNeverSilent_data()
{
    QTest::addColumn<QString>("seed");
    for (const char *seed : {"1", "2", "3"})
        QTest::newRow(seed) << QString::fromLatin1(seed);
}

void TestTamRaceFileE2e::damageIsNeverSilent()
{
    QFETCH(QString, seed);
    const SaveRun run = saveFromClocksim({"--fault", "checksum=8", "--seed", seed});
    QVERIFY2(!run.saved.isEmpty(), qPrintable(run.messages.join('\n')));

    // A block damaged on the way is missing; every other one is as it was.
    const QList<QByteArray> memory = FileBytes(DemoRaceFile).split('\n');
    const QList<QByteArray> saved = run.saved.split('\n');
    qsizetype at = 0;
    for (const QByteArray &line : saved) {
        while (at < memory.size() && memory.at(at) != line)
            ++at;
        QVERIFY2(at < memory.size(), line.constData());
        ++at;
    }
    const qsizetype missing = memory.size() - saved.size();
    QVERIFY(missing > 0);
    QCOMPARE(run.messages.constLast(), QString::number(missing)
                                           + " reply(ies) of the clock were faulty;"
                                             " the race file may differ from the race memory.");
}

QTEST_GUILESS_MAIN(TestTamRaceFileE2e)
#include "test_tam_race_file_e2e.moc"
