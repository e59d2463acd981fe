#include "common/folders.h"
#include "fake_race_clock.h"
#include "link_rig.h"
#include "race_data/save_tam_race_data.h"
#include "sample_race_lines.h"
#include "scratch_files.h"
#include "small_file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using Spoil = FakeRaceClock::Spoil;
using Spoils = QMap<int, Spoil>;
Q_DECLARE_METATYPE(Spoils)
Q_DECLARE_METATYPE(MsgAnswer)

namespace {
const QByteArray W = SimFrame(ClockLink::ClockPrefix + "W");
const QByteArray Ack(1, Ctl::ACK);
// The identification before every readout: "v" to the module, "v" twice and
// "e00" to the HCU.
constexpr int IdentificationWrites = 4;
const RaceImage Memory = {SampleLines::raceHeader(), SampleLines::arrival(1), "read by nobody",
                          SampleLines::arrival(2)};
const QByteArray Missing = "(missing)";
const QByteArray OldFile = "an older race\r\n";
const QString Saved = QStringLiteral("Race data file 12340102.005 saved to ");
const QString NotSaved = QStringLiteral("Race data not saved.");

QByteArray fileOf(const RaceImage &lines)
{
    return lines.join("\r\n") + "\r\n";
}

// A save's world: a scripted clock on a fake port, in virtual time, and a
// race folder not made yet.
struct SaveRig : LinkRig {
    SaveRig() { port.setResponder(std::ref(clock)); }

    void save() { SaveTamRaceData(context, folders); }
    QString racePath(const QString &name) const { return folders.inRaceDir(name); }
    QByteArray fileBytes(const QString &name) const { return FileBytes(racePath(name), Missing); }
    QStringList raceFiles() const
    {
        return QDir(folders.raceDir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    FakeRaceClock clock;
    QTemporaryDir dir;
    Folders folders{dir.path(), dir.filePath(QStringLiteral("TAM"))};
};
} // namespace

class TestSaveTamRaceData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fromClockToFile_data()
    {
        QTest::addColumn<RaceImage>("memory");
        QTest::addColumn<bool>("directData");
        QTest::addColumn<Spoils>("spoils");   // by request, the first "W" being 1
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("transferred");
        QTest::addColumn<QStringList>("messages");   // how each begins
        QTest::addColumn<int>("requests");   // "W" and the ACKs after it

        const QByteArray &h = Memory[0], &a1 = Memory[1];
        const RaceImage lost = {h, Memory[2], Memory[3]};   // the second block damaged
        const QStringList faulty = {Saved, "1 reply(ies) of the clock were faulty; "
                                           "the race file may differ from the race memory."};
        const QString notRead = "The race data could not be read from the memory module.\r\n" + NotSaved;
        QTest::newRow("ack, then bare acks") << Memory << false << Spoils{} << fileOf(Memory) << 4 << QStringList{Saved} << 6;
        QTest::newRow("data straight away") << Memory << true << Spoils{} << fileOf(Memory) << 4 << QStringList{Saved} << 5;
        QTest::newRow("nak once is sent again")
            << Memory << false << Spoils{{3, Spoil::Nak}} << fileOf(Memory) << 4 << QStringList{Saved} << 7;
        QTest::newRow("nak twice is passed over")
            << Memory << false << Spoils{{3, Spoil::Nak}, {4, Spoil::Nak}} << fileOf(Memory) << 4 << QStringList{Saved} << 8;
        QTest::newRow("bad checksum loses its block")
            << Memory << false << Spoils{{3, Spoil::Checksum}} << fileOf(lost) << 3 << faulty << 6;
        QTest::newRow("a pause after STX loses nothing")
            << Memory << false << Spoils{{3, Spoil::StxPause}} << fileOf(Memory) << 4 << QStringList{Saved} << 6;
        QTest::newRow("the rest of a damaged block is drained")
            << Memory << false << Spoils{{3, Spoil::StrayEnd}} << fileOf(lost) << 3 << faulty << 6;
        QTest::newRow("reply without end breaks off") << Memory << false << Spoils{{3, Spoil::NoEnd}} << Missing << 1
                                                      << QStringList{"Communication Timeout", notRead} << 3;
        QTest::newRow("silence breaks off")
            << Memory << false << Spoils{{3, Spoil::Silence}} << Missing << 1 << QStringList{"No Tamrel detected", notRead} << 3;
        QTest::newRow("silence to W: no module") << Memory << false << Spoils{{1, Spoil::Silence}} << Missing << 0
                                                 << QStringList{"No Tamrel detected", "No LMD Inserted"} << 1;
        const QStringList unfinished{"The clock did not finish sending the race data.\r\n" + NotSaved};
        QTest::newRow("three faults in a row break off")
            << Memory << false << Spoils{{3, Spoil::Checksum}, {4, Spoil::Checksum}, {5, Spoil::Checksum}} << Missing
            << 1 << unfinished << 5;
        // Three bare ACKs in a row are three faults: the readout stops there.
        QTest::newRow("ACK to every ACK") << Memory << false << Spoils{{2, Spoil::Ack}, {3, Spoil::Ack}, {4, Spoil::Ack}}
                                          << Missing << 0 << unfinished << 4;
        RaceImage endless{h};
        for (int a = 1; a <= RaceReadoutReplyLimit; ++a)
            endless.append(SampleLines::arrival(a));
        // The ACK to "W" is one of the replies too.
        QTest::newRow("blocks without end") << endless << false << Spoils{} << Missing << RaceReadoutReplyLimit - 1
                                            << unfinished << 10000;

        QByteArray anyBytes;
        for (int b = 0; b < 256; ++b) {
            if (b != Ctl::ETX)
                anyBytes += char(b);
        }
        const QByteArray huge(100000, 'z');
        QTest::newRow("any bytes, empty, single and huge blocks") << RaceImage{h, "", "x", anyBytes, huge} << false
                                                                  << Spoils{} << fileOf({h, anyBytes, huge}) << 3
                                                                  << faulty << 7;
        RaceImage crowded{h};
        for (int a = 0; a < 1014; ++a)
            crowded.append(SampleLines::arrival(a));
        QTest::newRow("more lines than a file keeps")
            << crowded << false << Spoils{} << fileOf(crowded.first(1010)) << 1015
            << QStringList{Saved, "5 line(s) of the race memory did not fit in the race file and were left out."} << 1017;

        const QString empty = QStringLiteral("    No race data in LMD");
        QTest::newRow("empty memory") << RaceImage{} << false << Spoils{} << Missing << 0 << QStringList{empty} << 2;
        QTest::newRow("a single line") << RaceImage{h} << false << Spoils{} << Missing << 1 << QStringList{empty} << 3;
        const auto badName = [&](const QByteArray &header, const QString &name) {
            QTest::addRow("file name %s", header.left(12).constData())
                << RaceImage{header, a1} << false << Spoils{} << Missing << 2 << QStringList{"Invalid file name - " + name} << 4;
        };
        badName(QByteArray(55, '*'), QStringLiteral("********.***"));
        badName("../../x/" + h.mid(8), QStringLiteral("../../x/.005"));
        badName(h.left(8) + "   " + h.mid(11), QStringLiteral("12340102.   "));
        badName(h.left(8) + "05." + h.mid(11), QStringLiteral("12340102.05."));
        badName("1234\xe9" "102" + h.mid(8), QStringLiteral("1234\u00e9102.005"));
    }

    void fromClockToFile()
    {
        QFETCH(RaceImage, memory);
        QFETCH(bool, directData);
        QFETCH(Spoils, spoils);
        QFETCH(QByteArray, file);
        QFETCH(int, transferred);
        QFETCH(QStringList, messages);

        SaveRig rig;
        rig.clock.blocks = memory;
        rig.clock.directData = directData;
        rig.clock.spoiled = spoils;
        rig.save();

        QCOMPARE(rig.fileBytes("12340102.005"), file);
        QCOMPARE(rig.raceFiles(), file == Missing ? QStringList{} : QStringList{"12340102.005"});
        const QStringList shown = rig.prompter.texts();
        QCOMPARE(shown.size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i)
            QVERIFY2(shown[i].startsWith(messages[i]), qPrintable(shown[i]));
        if (file != Missing)
            QVERIFY(shown.constFirst().endsWith(Folders::native(rig.folders.raceDir())));

        QCOMPARE(rig.statusShown, 1);
        QCOMPARE(rig.progress.firstLine, QStringLiteral("Transferring Data..."));
        QCOMPARE(rig.progress.secondLines.constLast(),
                 transferred ? QString::number(transferred) + " Blocks Transferred" : QString());
        QVERIFY(!rig.progress.isOpen);
        QVERIFY(!rig.link.isPortOpen());
        const QList<QByteArray> requests = rig.port.written.mid(IdentificationWrites);
        QTEST(int(requests.size()), "requests");
        QCOMPARE(requests.constFirst(), W);
        for (const QByteArray &r : requests.mid(1))
            QCOMPARE(r, directData ? W : Ack);
    }

    // What a broken readout left on the line or in the link is not the start
    // of the next one.
    void saveAfterABrokenOneIsWhole()
    {
        SaveRig rig;
        rig.clock.blocks = Memory;
        rig.clock.spoiled = {{3, Spoil::Silence}};
        rig.save();
        QCOMPARE(rig.raceFiles(), QStringList{});
        rig.save();
        QCOMPARE(rig.fileBytes("12340102.005"), fileOf(Memory));
    }

    void existingFile_data()
    {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("alternativeExists");
        QTest::addColumn<QByteArray>("normalAfter");
        QTest::addColumn<QByteArray>("alternativeAfter");
        QTest::addColumn<QString>("lastMessage");

        const QByteArray memoryFile = fileOf(Memory);
        QTest::newRow("yes replaces") << MsgAnswer::Yes << false << memoryFile << Missing << Saved;
        QTest::newRow("no keeps it, writes the other name")
            << MsgAnswer::No << false << OldFile << memoryFile << "Race data file 05102402.005 saved to ";
        QTest::newRow("no replaces the other name without asking")
            << MsgAnswer::No << true << OldFile << memoryFile << "Race data file 05102402.005 saved to ";
        QTest::newRow("cancel keeps it") << MsgAnswer::Cancel << false << OldFile << Missing << NotSaved;
    }

    void existingFile()
    {
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, alternativeExists);
        QFETCH(QString, lastMessage);

        SaveRig rig;
        QVERIFY(WriteFileBytes(rig.racePath("12340102.005"), OldFile));
        if (alternativeExists)
            QVERIFY(WriteFileBytes(rig.racePath("05102402.005"), OldFile));
        rig.clock.blocks = Memory;
        rig.prompter.answerNext(answer);
        rig.save();

        QCOMPARE(rig.prompter.messages.size(), 2);
        const Message &question = rig.prompter.messages.constFirst();
        QCOMPARE(question.text, QStringLiteral("File already exists!  Do you want to replace it?"));
        QCOMPARE(question.title, QStringLiteral("Save Race Data"));
        QCOMPARE(question.buttons, MsgButtons::YesNoCancel);
        QVERIFY2(rig.prompter.messages.constLast().text.startsWith(lastMessage),
                 qPrintable(rig.prompter.messages.constLast().text));
        QTEST(rig.fileBytes("12340102.005"), "normalAfter");
        QTEST(rig.fileBytes("05102402.005"), "alternativeAfter");
    }

    void failedWriteIsToldAndLeavesNothing_data()
    {
        QTest::addColumn<bool>("diskFull");   // else a folder in the file's place
        QTest::addColumn<QString>("why");
        QTest::newRow("a folder in the file's place") << false << "It could not be written: ";
        QTest::newRow("a full disk") << true << "It could not be written: the disk may be full (";
    }

    void failedWriteIsToldAndLeavesNothing()
    {
        QFETCH(bool, diskFull);
        QFETCH(QString, why);
        SaveRig rig;
        QVERIFY(QDir().mkpath(rig.folders.raceDir()));
        std::optional<SmallFileSystem> small;
        if (diskFull) {
            small.emplace(rig.folders.raceDir(), QStringLiteral("16k"));
            if (!small->mounted())
                QSKIP("mounting a small file system needs root");
            QVERIFY(WriteFileBytes(rig.racePath("12340102.005"), OldFile));
            WriteFileBytes(rig.racePath("filler"), QByteArray(32 * 1024, 'x'));
        } else {
            QVERIFY(QDir().mkpath(rig.racePath("12340102.005")));
        }
        const QStringList before = rig.raceFiles();
        rig.clock.blocks = Memory;
        rig.prompter.answerNext(MsgAnswer::Yes);
        rig.save();

        const Message &told = rig.prompter.messages.constLast();
        QCOMPARE(told.icon, MsgIcon::Critical);
        QVERIFY2(told.text.startsWith("Race data file 12340102.005 could not be saved to "), qPrintable(told.text));
        QVERIFY2(told.text.contains(why), qPrintable(told.text));
        QCOMPARE(rig.raceFiles(), before);
        if (diskFull)
            QCOMPARE(rig.fileBytes("12340102.005"), OldFile);
        else
            QVERIFY(QFileInfo(rig.racePath("12340102.005")).isDir());
    }

    void noClockNoReadout()
    {
        SaveRig rig;
        rig.clock.identity.lmd.clear();
        rig.save();
        QCOMPARE(rig.progress.timesShown, 0);
        QCOMPARE(rig.statusShown, 0);
        QCOMPARE(rig.prompter.messages.size(), 1);   // the link's own
        QVERIFY(!rig.port.written.contains(W));
    }

private:
    PortOneFile m_device;
};

QTEST_APPLESS_MAIN(TestSaveTamRaceData)
#include "test_save_tam_race_data.moc"
