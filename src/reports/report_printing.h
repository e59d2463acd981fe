#pragma once

#include <QString>

class Prompter;
class QPrinterInfo;
struct ReportOnScreen;

// "Print": asks whether to send the report to the default printer, or,
// when no printer is installed, into the PDF file pdfPath, and prints it
// there. A PDF appears complete or not at all.
void PrintRaceReport(const ReportOnScreen &report, const QPrinterInfo &defaultPrinter, const QString &pdfPath,
                     Prompter &prompter);
