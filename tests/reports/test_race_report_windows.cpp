#include "csv_reader.h"
#include "recording_prompter.h"
#include "report_test_data.h"
#include "report_windows_helpers.h"
#include "reports/race_reports.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <sys/stat.h>

using namespace ReportWindows;
using SampleLines::arrival;
using SampleLines::demoRing;
using SampleLines::raceHeader;
using SampleLines::trainingHeader;

namespace {
const QString Browser = QStringLiteral("frmRacefiles");
const QString Report = QStringLiteral("frmRaceform");
const QString Preview = QStringLiteral("frmPreview");
} // namespace

class TestRaceReportWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<ReportWorld>(QStringLiteral("race_report_windows"));
        m_prompter.reset();
        m_reports = std::make_unique<RaceReports>(m_world->scratch.db, m_world->scratch.folders, m_prompter, nullptr);
        m_reports->setDefaultPrinter([] { return QPrinterInfo(); });
    }

    void cleanup()
    {
        m_reports.reset();
        deleteClosedWindows();
    }

    void browserLists_data()
    {
        QTest::addColumn<QStringList>("raceFiles");
        QTest::addColumn<QStringList>("trainingFiles");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("count");
        QTest::newRow("other programs' files and reports")
            << QStringList{"ABC00101.001", "LMD12345.001", "ST6UNST.000"} << QStringList{}
            << QStringList{"ABC00101.001"} << "1 file(s) listed";
        QTest::newRow("without regard to case")
            << QStringList{"z0102.005", "Zeta.001", "lmd00001.002", "st6unst.001", "12340102.005"} << QStringList{}
            << QStringList{"12340102.005"} << "1 file(s) listed";
        QTest::newRow("training marked") << QStringList{"12340102.005"} << QStringList{"12340102.006"}
                                         << QStringList{"12340102.005", "12340102.006 T"} << "2 file(s) listed";
        QTest::newRow("extensions beginning with a digit")
            << QStringList{"notes.txt", "ab.1", "12340102.0a5", "README", "LMD12345.005.pdf"} << QStringList{}
            << QStringList{"12340102.0a5", "ab.1"} << "2 file(s) listed";
        QTest::newRow("no race files, only a pipe and links")
            << QStringList{} << QStringList{} << QStringList{"No files"} << "0 file(s) listed";
    }

    void browserLists()
    {
        QFETCH(QStringList, raceFiles);
        QFETCH(QStringList, trainingFiles);
        QFETCH(QStringList, listed);
        for (const QString &name : raceFiles)
            writeRace(name);
        for (const QString &name : trainingFiles)
            m_world->writeRaceFile(name, {trainingHeader(), arrival(demoRing(101))});
        // A pipe, a link to it and a link to a device are never opened.
        const QString pipe = m_world->raceFile(QStringLiteral("pipe.001"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, m_world->raceFile(QStringLiteral("pipelink.002"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_world->raceFile(QStringLiteral("zero.003"))));
        QListWidget *list = openBrowser();
        QCOMPARE(entries(list), listed);
        QCOMPARE(list->isEnabled(), listed != QStringList{"No files"});
        QCOMPARE(shown(Browser)->windowTitle(), QStringLiteral("Tamrel Race  Report"));
        QTEST(control<QLabel>(Browser, "Label3")->text(), "count");
    }

    void trainingOpensBrowseAndClose()
    {
        writeRace(QStringLiteral("12340102.005"));
        m_world->writeRaceFile(QStringLiteral("12340102.006"), {trainingHeader(), arrival(demoRing(101))});
        click(openBrowser(), 1);
        QVERIFY(shown(Report));
        QCOMPARE(control<QLabel>(Report, "lblRaceNum")->text(), QStringLiteral("Training"));
        QCOMPARE(control<QListWidget>(Report, "List1")->count(), 1);

        control<QPushButton>(Report, "Command1")->click();
        deleteClosedWindows();
        QVERIFY(!shown(Report));
        QVERIFY(shown(Browser));

        // Return opens the current file as a click does; closing the report
        // closes the browser too.
        QListWidget *files = control<QListWidget>(Browser, "List1");
        files->setCurrentRow(1);
        QTest::keyClick(files, Qt::Key_Return);
        QVERIFY(shown(Report));
        shown(Report)->close();
        deleteClosedWindows();
        QVERIFY(!shown(Report));
        QVERIFY(!shown(Browser));
        QVERIFY(m_prompter.messages.isEmpty());

        // A file gone since it was listed shows no files.
        QListWidget *list = openBrowser();
        QVERIFY(QFile::remove(m_world->raceFile(QStringLiteral("12340102.005"))));
        click(list, 0);
        QCOMPARE(entries(list), QStringList{"No Files"});
        QVERIFY(!list->isEnabled());
        QVERIFY(!shown(Report));
    }

    // A flight without knock-off shows it in red; its arrivals go to a CSV file
    // the user names, and to the preview.
    void noKnockOffExportAndPreview()
    {
        const QString awkward = QStringLiteral("Smith, \"Jan\" Żółć");
        {
            Connection own;
            m_world->scratch.openOwn(own);
            InsertRows(own, "UPDATE flyerlist SET Name = ? WHERE FlyerID = 5", {awkward});
        }
        m_world->writeRaceFile(QStringLiteral("12340102.005"), {raceHeader("000000000000", "000000000000"),
                                                                arrival(demoRing(101)),
                                                                arrival(demoRing(103), "110203", "0512")});
        click(openBrowser(), 0);
        for (const char *box : {"txtClockStop", "txtKnockOff"}) {
            const QLineEdit *edit = control<QLineEdit>(Report, box);
            QCOMPARE(edit->text(), QStringLiteral("NO Knock Off"));
            QCOMPARE(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        QVERIFY(control<QLineEdit>(Report, "txtRaceDate")->palette().color(QPalette::Text) != QColor(255, 0, 0));

        const QString path = m_world->raceFile(QStringLiteral("chosen.csv"));
        m_prompter.saveNext(path);
        control<QPushButton>(Report, "cmdExportCsv")->click();
        QCOMPARE(m_prompter.saveRequests.size(), 1);
        QCOMPARE(m_prompter.saveRequests.at(0).folder + m_prompter.saveRequests.at(0).fileName,
                 m_world->raceFile(QStringLiteral("LMD12345.005.csv")));
        const QList<QStringList> expected = {{"Pos", "Flyer Name", "Band Number", "Time", "Date"},
                                             {"1", awkward, "AU24DEMO000101", "10:35:12", "05/11"},
                                             {"2", "Unknown flyer", "AU24DEMO000103", "11:02:03", "05/12"}};
        QCOMPARE(ReadCsv(FileBytes(path)), expected);
        QCOMPARE(m_prompter.texts(), QStringList{QStringLiteral("2 line(s) were exported to %1.").arg(path)});

        control<QPushButton>(Report, "cmdPrint")->click();
        deleteClosedWindows();
        QVERIFY(!shown(Browser));
        const QString text = control<QPlainTextEdit>(Preview, "Text1")->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Verified Time : NO Knock Off")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("   2) Unknown flyer")));
    }

private:
    QListWidget *openBrowser();
    void writeRace(const QString &name) { m_world->writeRaceFile(name, {raceHeader(), arrival(demoRing(101))}); }

    std::unique_ptr<ReportWorld> m_world;
    RecordingPrompter m_prompter;
    std::unique_ptr<RaceReports> m_reports;
};

QListWidget *TestRaceReportWindows::openBrowser()
{
    m_reports->showBrowser();
    QWidget *browser = shown(Browser);
    if (!browser || !QTest::qWaitForWindowExposed(browser))
        qFatal("the browser did not show");
    return control<QListWidget>(Browser, "List1");
}

QTEST_MAIN(TestRaceReportWindows)
#include "test_race_report_windows.moc"
