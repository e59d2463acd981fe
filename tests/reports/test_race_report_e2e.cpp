#include "clocksim_session.h"
#include "race_data/save_tam_race_data.h"
#include "report_windows_helpers.h"
#include "reports/race_reports.h"
#include "reports/report_on_screen.h"
#include "scratch_database.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

using namespace ReportWindows;

namespace {

const QString DemoRaceFile = QStringLiteral(TAMREL_DEMO_DIR "/12340102.005");
const QString Report = QStringLiteral("frmRaceform");

// The PDF's text, line by line, its spaces simplified.
QStringList pdfLines(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n')))
        lines.append(line.simplified());
    return lines;
}

} // namespace

class TestRaceReportE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The module's race memory saved once, as it is, with the demo database beside it.
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is missing: scripts/bootstrap installs poppler-utils");
        m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("race_report_e2e"));
        QVERIFY(QFile::remove(m_scratch->path()));
        QVERIFY(QFile::copy(qEnvironmentVariable("TAMREL_BIN_DIR") + QStringLiteral("/demo/tamreldata.mdb"),
                            m_scratch->path()));

        ClocksimSession command(QStringList{QStringLiteral("--race"), DemoRaceFile});
        QVERIFY2(command.sim.isReady(), qPrintable(command.sim.errorText()));
        SaveTamRaceData(command.context, m_scratch->folders);
        QCOMPARE(command.prompter.texts(), QStringList{QStringLiteral("Race data file 12340102.005 saved to ")
                                               + Folders::native(m_scratch->folders.raceDir())});
        QCOMPARE(FileBytes(m_scratch->folders.inRaceDir(QStringLiteral("12340102.005"))), FileBytes(DemoRaceFile));
    }

    void fromClockToPaper_data()
    {
        QTest::addColumn<int>("flight");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("headerLine");
        QTest::addColumn<int>("arrivals");
        QTest::addColumn<int>("dayLines");
        QTest::newRow("race 1") << 0 << "Tamrel Race Results"
                                << "Race No.: 1 Date: 05/11 Liberation Point: BRIGHTON" << 15 << 1;
        QTest::newRow("training") << 1 << "Tamrel Training Results" << "Race No.: 2 Date: N/A Liberation Point: N/A"
                                  << 8 << 0;
        QTest::newRow("race 2") << 2 << "Tamrel Race Results" << "Race No.: 3 Date: 05/18 Liberation Point: STAFFORD"
                                << 17 << 1;
    }

    void fromClockToPaper()
    {
        QFETCH(int, flight);
        QFETCH(QString, title);
        QFETCH(QString, headerLine);
        QFETCH(int, arrivals);
        QFETCH(int, dayLines);
        RecordingPrompter prompter;
        RaceReports reports(m_scratch->db, m_scratch->folders, prompter, nullptr);
        reports.setDefaultPrinter([] { return QPrinterInfo(); });
        reports.showBrowser();
        QListWidget *files = control<QListWidget>(QStringLiteral("frmRacefiles"), "List1");
        QVERIFY(QTest::qWaitForWindowExposed(files->window()));
        QCOMPARE(entries(files), QStringList{"12340102.005"});
        click(files, 0);
        control<QComboBox>(Report, "Combo1")->setCurrentIndex(flight);

        // The report text file beside the race file holds the flight shown.
        QFile textFile(m_scratch->folders.inRaceDir(QStringLiteral("LMD12345.005")));
        QVERIFY(textFile.open(QIODevice::ReadOnly));
        const QByteArray text = textFile.readAll();
        const QListWidget *list = control<QListWidget>(Report, "List1");
        QCOMPARE(list->count(), arrivals);
        QCOMPARE(text.count("\r\n"), 2 + arrivals + dayLines);
        QVERIFY(text.contains("Jan Smith") && text.contains("Unknown flyer"));

        const QString pdfPath = m_scratch->folders.inRaceDir(QStringLiteral("LMD12345.005.pdf"));
        QFile::remove(pdfPath);
        prompter.answerNext(MsgAnswer::Yes);
        control<QPushButton>(Report, "cmdPrinter")->click();
        QCOMPARE(prompter.texts(), (QStringList{"Do you want to send this report to : \r\nPrinter : PDF file\r\nLocated : "
                                                    + Folders::native(pdfPath),
                                                "The report was written to " + Folders::native(pdfPath) + "."}));
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdfPath});
        QVERIFY(pdfinfo.waitForFinished(30000));
        QVERIFY(pdfinfo.readAllStandardOutput().contains("Race report LMD12345.005"));

        const QStringList printed = pdfLines(pdfPath);
        QVERIFY2(printed.contains(title), qPrintable(printed.join('\n')));
        QVERIFY(printed.contains(headerLine));
        QVERIFY(printed.contains(QStringLiteral("Concourse: 1234 Combine: 01 Club: 02 Flyer: 005")));
        for (int k = 0; k < list->count(); ++k) {
            const QString line = QString::fromLatin1(OutputArrivalLine(list->item(k)->text().toLatin1(), k)).simplified();
            QVERIFY2(printed.contains(line), qPrintable(line));
        }
        QVERIFY(printed.contains(QStringLiteral("Signed: Flyer: Club: Clock Checked:")));
        // Leftovers of the atomic write would be listed by nobody, but stay out.
        QCOMPARE(QDir(m_scratch->folders.raceDir()).entryList(QDir::Files).size(), 3);
    }
    void cleanup() { deleteClosedWindows(); }

private:
    std::unique_ptr<ScratchDatabase> m_scratch;
};

QTEST_MAIN(TestRaceReportE2e)
#include "test_race_report_e2e.moc"
