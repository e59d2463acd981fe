#include "reports/preview_text.h"

namespace {

// Short lists are filled up so the page keeps its length.
constexpr int FilledUpTo = 29;
constexpr int LongestFilled = 30;

} // namespace

QList<QByteArray> PreviewLines(const ReportOnScreen &report)
{
    const HeaderBoxes &b = report.boxes;
    const QByteArray indent(2, ' ');
    // The same title for a training: the second line says "Training".
    QList<QByteArray> lines = {
        QByteArray(25, ' ') + "Tamrel Race Results ",
        QByteArray(28, ' ') + b.raceNum,
        indent + RuleLine,
        {},
        indent + "Race No.: " + report.flight + "  Date: " + b.raceDate + "  Liberation Point: " + b.liberationPoint,
        {},
        indent + "Concourse: " + b.concourse + "   Combine: " + b.combine + "  Club: " + b.clubNo
            + "  Flyer: " + b.flyerNo,
        {},
        indent + "Memory Module: " + MemoryModuleText(b.lmdSerial) + "   Clock Set Time: " + b.clockStart,
        "                          Verified Time : " + b.clockStop,
        "                          Clock Time    : " + b.knockOff,
        "                          Deviation Time: " + b.devAmount + ' ' + b.devLabel,
        indent + RuleLine,
        {},
        indent + "Pos  Flyer Name            Band Number    Time     Date       ",
        {},
    };
    for (qsizetype k = 0; k < report.listLines.size(); ++k)
        lines.append(OutputArrivalLine(report.listLines.at(k), int(k)));
    const int count = int(report.listLines.size());
    if (count <= LongestFilled) {
        for (int i = count; i < FilledUpTo; ++i)
            lines.append(QByteArray());
    }
    return lines;
}
