#include "reports/report_printing.h"

#include "common/folders.h"
#include "common/prompter.h"
#include "common/whole_file.h"
#include "reports/painter_page_surface.h"
#include "reports/printed_report.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString PrintTitle = QStringLiteral("Print Report");

// Empty on success, else what went wrong.
QString printOn(QPagedPaintDevice &device, const QList<PrintLine> &lines)
{
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("the printer cannot be started");
    PainterPageSurface surface(painter, device);
    const bool printed = PrintOnPages(lines, surface);
    const bool ended = painter.end();
    if (!printed)
        return QStringLiteral("a new page cannot be started");
    return ended ? QString() : QStringLiteral("the document cannot be finished");
}

QString printToPdf(const QString &path, const QString &title, const QList<PrintLine> &lines)
{
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&document);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tamrel"));
    pdf.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                                 : QPageSize(QPageSize::A4));
    const QString error = printOn(pdf, lines);
    if (!error.isEmpty())
        return error;
    const Outcome written = WriteWholeFile(path, document.data());
    return written.ok ? QString() : QStringLiteral("it could not be written: ") + written.message;
}

// Where a printer is: its location, or for a queue without one (as CUPS
// keeps them) the device it prints to.
QString placeOf(const QPrinterInfo &printer)
{
    if (!printer.location().isEmpty())
        return printer.location();
#ifdef Q_OS_UNIX
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), printer.printerName()});
    if (lpstat.waitForFinished(2000) && lpstat.exitCode() == 0) {
        // "device for <queue>: <uri>"
        const QString answer = QString::fromLocal8Bit(lpstat.readAllStandardOutput()).trimmed();
        const qsizetype colon = answer.indexOf(QLatin1String(": "));
        if (colon >= 0)
            return answer.mid(colon + 2);
    }
#endif
    return printer.description();
}

} // namespace

void PrintRaceReport(const ReportOnScreen &report, const QPrinterInfo &defaultPrinter, const QString &pdfPath,
                     Prompter &prompter)
{
    const bool toPdf = defaultPrinter.isNull();
    const QString question = toPdf ? PrintQuestion(QStringLiteral("PDF file"), Folders::native(pdfPath))
                                   : PrintQuestion(defaultPrinter.printerName(), placeOf(defaultPrinter));
    if (prompter.message(Message{question, PrintTitle, MsgIcon::Question, MsgButtons::YesNo, 0, false})
        != MsgAnswer::Yes)
        return;

    const QList<PrintLine> lines = PrintedReport(report);
    // The print queue and the PDF show which race this is.
    const QString title = QStringLiteral("Race report ") + QFileInfo(pdfPath).completeBaseName();
    QString error;
    if (toPdf) {
        error = printToPdf(pdfPath, title, lines);
    } else {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(title);
        error = printOn(printer, lines);
    }
    if (!error.isEmpty())
        prompter.message(Message{QStringLiteral("The report could not be printed: ") + error + QLatin1Char('.'),
                                 PrintTitle, MsgIcon::Critical, MsgButtons::Ok, 0, false});
    else if (toPdf)
        prompter.message(Message{QStringLiteral("The report was written to ") + Folders::native(pdfPath)
                                     + QLatin1Char('.'),
                                 PrintTitle, MsgIcon::Information, MsgButtons::Ok, 0, false});
}
