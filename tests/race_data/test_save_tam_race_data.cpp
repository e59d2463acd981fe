#include "common/folders.h"
#include "race_data/save_tam_race_data.h"
#include "race_test_rig.h"
#include "scratch_files.h"
#include "small_file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(MsgAnswer)
Q_DECLARE_METATYPE(FakeRaceClock::Spoil)

namespace {
const RaceImage Memory = {SampleLines::raceHeader(), SampleLines::arrival(1), "read by nobody",
                          SampleLines::arrival(2)};
const QByteArray MemoryFile = Memory.join("\r\n") + "\r\n";
const QByteArray OldFile = "an older race\r\n";

QByteArray contentOf(const QString &path)
{
    return FileBytes(path, "(missing)");
}
} // namespace

class TestSaveTamRaceData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void savesNewFileInNewFolder();
    void existingFile_data();
    void existingFile();
    void nothingSaved_data();
    void nothingSaved();
    void failedWriteIsToldAndLeavesNothing_data();
    void failedWriteIsToldAndLeavesNothing();
    void notes_data();
    void notes();

private:
    QString racePath(const QString &name) const { return m_folders->inRaceDir(name); }
    QStringList raceFiles() const
    {
        return QDir(m_folders->raceDir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    PortOneFile m_device;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Folders> m_folders;
};

void TestSaveTamRaceData::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folders = std::make_unique<Folders>(m_dir->path(), m_dir->filePath(QStringLiteral("TAM")));
}

void TestSaveTamRaceData::savesNewFileInNewFolder()
{
    RaceCommandRig rig;
    rig.clock.blocks = Memory;
    SaveTamRaceData(rig.context, *m_folders);
    QCOMPARE(contentOf(racePath("12340102.005")), MemoryFile);
    QCOMPARE(raceFiles(), QStringList{"12340102.005"});
    QCOMPARE(rig.prompter.texts(),
             QStringList{"Race data file 12340102.005 saved to " + Folders::native(m_folders->raceDir())});
    QVERIFY(!rig.progress.isOpen);
    QVERIFY(!rig.link.isPortOpen());
}

void TestSaveTamRaceData::existingFile_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("alternativeExists");
    QTest::addColumn<QByteArray>("normalAfter");
    QTest::addColumn<QByteArray>("alternativeAfter");
    QTest::addColumn<QString>("lastMessage");

    const QByteArray missing("(missing)");
    QTest::newRow("yes replaces") << MsgAnswer::Yes << false << MemoryFile << missing
                                  << "Race data file 12340102.005 saved to ";
    QTest::newRow("no keeps it, writes the other name")
        << MsgAnswer::No << false << OldFile << MemoryFile << "Race data file 05102402.005 saved to ";
    QTest::newRow("no replaces the other name without asking")
        << MsgAnswer::No << true << OldFile << MemoryFile << "Race data file 05102402.005 saved to ";
    QTest::newRow("cancel keeps it") << MsgAnswer::Cancel << false << OldFile << missing
                                     << "Race data not saved.";
}

void TestSaveTamRaceData::existingFile()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, alternativeExists);
    QFETCH(QString, lastMessage);

    QVERIFY(WriteFileBytes(racePath("12340102.005"), OldFile));
    if (alternativeExists)
        QVERIFY(WriteFileBytes(racePath("05102402.005"), OldFile));
    RaceCommandRig rig;
    rig.clock.blocks = Memory;
    rig.prompter.answerNext(answer);
    SaveTamRaceData(rig.context, *m_folders);

    QCOMPARE(rig.prompter.messages.size(), 2);
    const Message &question = rig.prompter.messages.constFirst();
    QCOMPARE(question.text, QStringLiteral("File already exists!  Do you want to replace it?"));
    QCOMPARE(question.title, QStringLiteral("Save Race Data"));
    QCOMPARE(question.buttons, MsgButtons::YesNoCancel);
    QVERIFY2(rig.prompter.messages.constLast().text.startsWith(lastMessage),
             qPrintable(rig.prompter.messages.constLast().text));
    QTEST(contentOf(racePath("12340102.005")), "normalAfter");
    QTEST(contentOf(racePath("05102402.005")), "alternativeAfter");
}

void TestSaveTamRaceData::nothingSaved_data()
{
    QTest::addColumn<RaceImage>("memory");
    QTest::addColumn<FakeRaceClock::Spoil>("spoilThird");
    QTest::addColumn<QString>("lastMessage");

    const auto None = FakeRaceClock::Spoil::None;
    QTest::newRow("empty memory") << RaceImage{} << None << "    No race data in LMD";
    QTest::newRow("a single line") << RaceImage{SampleLines::raceHeader()} << None << "    No race data in LMD";
    QTest::newRow("broken off") << Memory << FakeRaceClock::Spoil::Silence
                                << "The race data could not be read from the memory module.\r\nRace data not saved.";
    QTest::newRow("asterisk header") << RaceImage{QByteArray(55, '*'), SampleLines::arrival(1)} << None
                                     << "Invalid file name - ********.***";
    QTest::newRow("path in the header")
        << RaceImage{"../../x/" + SampleLines::raceHeader().mid(8), SampleLines::arrival(1)} << None
        << "Invalid file name - ../../x/.005";
}

void TestSaveTamRaceData::nothingSaved()
{
    QFETCH(RaceImage, memory);
    QFETCH(FakeRaceClock::Spoil, spoilThird);

    QVERIFY(WriteFileBytes(racePath("keep.txt"), OldFile));
    RaceCommandRig rig;
    rig.clock.blocks = memory;
    rig.clock.spoiled = {{3, spoilThird}};
    SaveTamRaceData(rig.context, *m_folders);

    QTEST(rig.prompter.texts().constLast(), "lastMessage");
    QCOMPARE(raceFiles(), QStringList{"keep.txt"});
    QCOMPARE(contentOf(racePath("keep.txt")), OldFile);
    QVERIFY(!rig.progress.isOpen);
}

void TestSaveTamRaceData::failedWriteIsToldAndLeavesNothing_data()
{
    QTest::addColumn<bool>("diskFull");   // else a folder in the file's place
    QTest::addColumn<QString>("why");
    QTest::newRow("a folder in the file's place") << false << "It could not be written: ";
    QTest::newRow("a full disk") << true << "It could not be written: the disk may be full (";
}

void TestSaveTamRaceData::failedWriteIsToldAndLeavesNothing()
{
    QFETCH(bool, diskFull);
    QFETCH(QString, why);
    QVERIFY(QDir().mkpath(m_folders->raceDir()));
    std::optional<SmallFileSystem> small;
    if (diskFull) {
        small.emplace(m_folders->raceDir(), QStringLiteral("16k"));
        if (!small->mounted())
            QSKIP("mounting a small file system needs root");
        QVERIFY(WriteFileBytes(racePath("12340102.005"), OldFile));
        WriteFileBytes(racePath("filler"), QByteArray(32 * 1024, 'x'));
    } else {
        QVERIFY(QDir().mkpath(racePath("12340102.005")));
    }
    const QStringList before = raceFiles();
    RaceCommandRig rig;
    rig.clock.blocks = Memory;
    rig.prompter.answerNext(MsgAnswer::Yes);
    SaveTamRaceData(rig.context, *m_folders);

    const Message &told = rig.prompter.messages.constLast();
    QCOMPARE(told.icon, MsgIcon::Critical);
    QVERIFY2(told.text.startsWith("Race data file 12340102.005 could not be saved to "), qPrintable(told.text));
    QVERIFY2(told.text.contains(why), qPrintable(told.text));
    QCOMPARE(raceFiles(), before);
    if (diskFull)
        QCOMPARE(contentOf(racePath("12340102.005")), OldFile);
    else
        QVERIFY(QFileInfo(racePath("12340102.005")).isDir());
}

void TestSaveTamRaceData::notes_data()
{
    QTest::addColumn<int>("arrivals");
    QTest::addColumn<bool>("badChecksum");
    QTest::addColumn<int>("linesWritten");
    QTest::addColumn<QString>("note");

    QTest::newRow("more lines than a file keeps")
        << 1014 << false << 1010
        << "5 line(s) of the race memory did not fit in the race file and were left out.";
    QTest::newRow("a damaged reply")
        << 3 << true << 3 << "1 reply(ies) of the clock were faulty; the race file may differ from the race memory.";
}

void TestSaveTamRaceData::notes()
{
    QFETCH(int, linesWritten);
    QFETCH(int, arrivals);
    QFETCH(bool, badChecksum);

    RaceCommandRig rig;
    rig.clock.blocks = {SampleLines::raceHeader()};
    for (int a = 0; a < arrivals; ++a)
        rig.clock.blocks.append(SampleLines::arrival(a));
    if (badChecksum)
        rig.clock.spoiled = {{3, FakeRaceClock::Spoil::Checksum}};
    SaveTamRaceData(rig.context, *m_folders);

    QCOMPARE(rig.clock.requests, rig.clock.blocks.size() + 2);   // "W", every block, EOT
    const QByteArray written = contentOf(racePath("12340102.005"));
    QCOMPARE(written.count("\r\n"), linesWritten);
    QVERIFY(written.startsWith(SampleLines::raceHeader() + "\r\n"));
    QCOMPARE(rig.prompter.messages.size(), 2);
    QTEST(rig.prompter.messages.constLast().text, "note");
}

QTEST_APPLESS_MAIN(TestSaveTamRaceData)
#include "test_save_tam_race_data.moc"
