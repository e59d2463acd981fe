#include "reports/page_layout.h"
#include "reports/preview_text.h"
#include "reports/printed_report.h"

#include <QTest>

#include <tuple>

namespace {

const QByteArray Rule = "______________________________________________________________";
const QByteArray Signature = "Signed:            Flyer:          Club:       Clock Checked:";

QByteArray listLine(int position)
{
    return QByteArray::number(position).leftJustified(3, ' ', true)
         + "Jan Smith            AU24DEMO0001010 10:35:12 05/11";
}

ReportOnScreen reportWith(int arrivals, const QByteArray &raceNum = "01")
{
    ReportOnScreen report{"1",
                          {raceNum, "05/11", "BRIGHTON", "1234", "01", "02", "005", "12345", "05/10/24 19:00:00",
                           "05/12/24 18:00:05", "05/12/24 18:00:00", "5", "second(s)"},
                          {}};
    for (int i = 1; i <= arrivals; ++i)
        report.listLines.append(listLine(i));
    return report;
}

// Empty lines that follow the last arrival line in a list of lines.
int emptyAfterArrivals(const QList<QByteArray> &lines, int arrivals)
{
    const qsizetype last = lines.indexOf(OutputArrivalLine(listLine(arrivals), arrivals - 1));
    int empty = 0;
    for (qsizetype i = last + 1; i < lines.size() && lines.at(i).isEmpty(); ++i)
        ++empty;
    return empty;
}

// Keeps what is drawn where; a line is 1.43 times its point size high, as
// on a printed page.
class RecordingSurface : public PageSurface {
public:
    struct Drawn {
        double y;
        double height;
        QByteArray text;
    };
    void setFont(int pointSize, bool) override { m_height = pointSize * 1.43; }
    double lineHeight() const override { return m_height; }
    void drawText(double, double y, const QByteArray &text) override { drawn.append({y, m_height, text}); }
    bool newPage() override
    {
        ++pages;
        return true;
    }

    QList<Drawn> drawn;
    int pages = 1;

private:
    double m_height = 0;
};

} // namespace

class TestReportOutputs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A training, one line of each kind: numbered by ordinal, not by position,
    // and a short one filled up.
    void layouts()
    {
        ReportOnScreen report = reportWith(1, "Training");
        report.listLines << "7  Unknown flyer        Unknown0047A3C0 12:15:02 05/11" << "1  Jan";
        const QList<QByteArray> preview{
            "                         Tamrel Race Results ",
            "                            Training",
            "  " + Rule,
            "",
            "  Race No.: 1  Date: 05/11  Liberation Point: BRIGHTON",
            "",
            "  Concourse: 1234   Combine: 01  Club: 02  Flyer: 005",
            "",
            "  Memory Module: 012345   Clock Set Time: 05/10/24 19:00:00",
            "                          Verified Time : 05/12/24 18:00:05",
            "                          Clock Time    : 05/12/24 18:00:00",
            "                          Deviation Time: 5 second(s)",
            "  " + Rule,
            "",
            "  Pos  Flyer Name            Band Number    Time     Date       ",
            "",
            "   1) Jan Smith             AU24DEMO000101 10:35:12 05/11 ",
            "   2) Unknown flyer         Unknown0047A3C 12:15:02 05/11 ",
            "   3) Jan" + QByteArray(49, ' '),
        };
        QCOMPARE(PreviewLines(report).mid(0, 19), preview);

        const QList<PrintLine> lines = PrintedReport(report);
        QCOMPARE(lines.at(0), (PrintLine{24, true, 220, "Tamrel Training Results"}));
        QCOMPARE(lines.at(1), (PrintLine{12, true, 100, Rule}));
        QCOMPARE(lines.at(3), (PrintLine{12, false, 100, "Race No.: 1  Date: 05/11  Liberation Point: BRIGHTON"}));
        QCOMPARE(lines.at(7).text, QByteArray("Memory Module: 012345   Clock Set Time: 05/10/24 19:00:00"));
        QCOMPARE(lines.at(10).text, QByteArray(24, ' ') + "Deviation Time: 5 second(s)");
        QCOMPARE(lines.at(13).text, QByteArray("Pos   Flyer Name            Band Number     Time    Date"));
        QCOMPARE(PrintedReport(reportWith(1)).at(0).text, QByteArray("Tamrel Race Results "));
    }

    void padding_data()
    {
        QTest::addColumn<int>("arrivals");
        QTest::addColumn<int>("previewEmpty");
        QTest::addColumn<int>("printEmpty");
        QTest::addColumn<int>("pages");
        for (const auto &[arrivals, preview, print, pages] : {std::tuple{1, 28, 36, 1}, {12, 17, 25, 1}, {29, 0, 8, 1},
                                                              {30, 0, 7, 1}, {36, 0, 1, 1}, {37, 0, 0, 1}, {40, 0, 0, 2},
                                                              {100, 0, 0, 3}})
            QTest::addRow("%d arrivals", arrivals) << arrivals << preview << print << pages;
    }

    // Short lists are filled up with empty lines: the preview after the
    // arrivals, the print before the closing rule and signature. Everything
    // printed is drawn, in order, and inside its page.
    void padding()
    {
        QFETCH(int, arrivals);
        QFETCH(int, previewEmpty);
        QFETCH(int, printEmpty);
        const ReportOnScreen report = reportWith(arrivals);
        const QList<QByteArray> preview = PreviewLines(report);
        QCOMPARE(preview.size(), 16 + arrivals + previewEmpty);
        QCOMPARE(emptyAfterArrivals(preview, arrivals), previewEmpty);

        const QList<PrintLine> lines = PrintedReport(report);
        QList<QByteArray> printed;
        for (const PrintLine &line : lines)
            printed.append(line.text);
        QCOMPARE(printed.size(), 15 + arrivals + printEmpty + 3);
        QCOMPARE(emptyAfterArrivals(printed, arrivals), printEmpty);
        QCOMPARE(printed.mid(printed.size() - 3), (QList<QByteArray>{Rule, "", Signature}));
        for (int i = 1; i <= arrivals; ++i)
            QCOMPARE(printed.at(14 + i), OutputArrivalLine(listLine(i), i - 1));

        RecordingSurface surface;
        QVERIFY(PrintOnPages(lines, surface));
        QTEST(surface.pages, "pages");
        QList<QByteArray> drawnTexts;
        for (const RecordingSurface::Drawn &d : surface.drawn) {
            drawnTexts.append(d.text);
            QVERIFY(d.y >= 0 && d.y + d.height <= PageSurface::Height);
        }
        printed.removeAll(QByteArray());
        QCOMPARE(drawnTexts, printed);
    }
};

QTEST_APPLESS_MAIN(TestReportOutputs)
#include "test_report_outputs.moc"
