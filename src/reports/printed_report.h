#pragma once

#include "reports/report_on_screen.h"

#include <QString>

// One line of the printed report, in the page scale (850 across, 1000
// down). A line without text is an empty line of that font's height.
struct PrintLine {
    int pointSize;
    bool bold;
    double x;
    QByteArray text;

    bool operator==(const PrintLine &) const = default;
};

// The printed report from the title to the signature line.
QList<PrintLine> PrintedReport(const ReportOnScreen &report);

// The question put before printing: where the report goes.
QString PrintQuestion(const QString &printerName, const QString &located);
