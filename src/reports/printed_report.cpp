#include "reports/printed_report.h"

#include "common/line_breaks.h"

namespace {

constexpr double TitleX = 220;
constexpr double LineX = 100;
constexpr int TitleSize = 24;
constexpr int TextSize = 12;
// Short lists are filled up so that the signature sits low on the page.
constexpr int FilledUpTo = 37;

class Page {
public:
    void title(const QByteArray &text) { m_lines.append({TitleSize, true, TitleX, text}); }
    void line(const QByteArray &text) { m_lines.append({TextSize, m_bold, LineX, text}); }
    void empty() { line({}); }
    void bold(bool on) { m_bold = on; }
    QList<PrintLine> lines() const { return m_lines; }

private:
    QList<PrintLine> m_lines;
    bool m_bold = true;
};

} // namespace

QList<PrintLine> PrintedReport(const ReportOnScreen &report)
{
    const HeaderBoxes &b = report.boxes;
    const QByteArray indent(24, ' ');
    Page page;
    page.title(b.raceNum == "Training" ? "Tamrel Training Results" : "Tamrel Race Results ");
    page.line(RuleLine);
    page.empty();
    page.bold(false);
    page.line("Race No.: " + report.flight + "  Date: " + b.raceDate + "  Liberation Point: " + b.liberationPoint);
    page.empty();
    page.line("Concourse: " + b.concourse + "   Combine: " + b.combine + "  Club: " + b.clubNo + "  Flyer: "
              + b.flyerNo);
    page.empty();
    page.line("Memory Module: " + MemoryModuleText(b.lmdSerial) + "   Clock Set Time: " + b.clockStart);
    page.line(indent + "Verified Time : " + b.clockStop);
    page.line(indent + "Clock Time    : " + b.knockOff);
    page.line(indent + "Deviation Time: " + b.devAmount + ' ' + b.devLabel);
    page.line(RuleLine);
    page.empty();
    page.line("Pos   Flyer Name            Band Number     Time    Date");
    page.empty();
    for (qsizetype k = 0; k < report.listLines.size(); ++k)
        page.line(OutputArrivalLine(report.listLines.at(k), int(k)));
    for (qsizetype i = report.listLines.size(); i < FilledUpTo; ++i)
        page.empty();
    page.line(RuleLine);
    page.empty();
    page.line("Signed:            Flyer:          Club:       Clock Checked:");
    return page.lines();
}

QString PrintQuestion(const QString &printerName, const QString &located)
{
    return QStringLiteral("Do you want to send this report to : ") + CRLF + QStringLiteral("Printer : ")
         + printerName + CRLF + QStringLiteral("Located : ") + located;
}
