#include "reports/report_lines.h"

#include "common/field.h"
#include "common/latin1.h"
#include "common/text_helpers.h"

namespace {

QByteArray fit(const QByteArray &text, int width)
{
    return FixWidth(text, width, ' ', true);
}

struct Clocking {
    QByteArray hh, mm, ss, month, day;
};

Clocking clockingOf(const QByteArray &arrival)
{
    return {Field(arrival, 16, 2), Field(arrival, 18, 2), Field(arrival, 20, 2), Field(arrival, 22, 2),
            Field(arrival, 24, 2)};
}

} // namespace

QByteArray ReportHeadingLine()
{
    return fit("Pos", 10) + fit("Owner Name", 25) + fit("Band Number", 20) + fit("Time", 15) + fit("Date", 10);
}

QByteArray ReportSecondLine(bool training)
{
    return FixWidth(training ? "-----TRAINING RACE" : "", 80, '-', true);
}

QByteArray ArrivalListLine(int position, const QByteArray &owner, const QByteArray &arrival)
{
    const Clocking c = clockingOf(arrival);
    return fit(QByteArray::number(position), 3) + fit(owner, 20) + ' ' + Field(arrival, 1, 15) + ' ' + c.hh + ':' + c.mm
         + ':' + c.ss + ' ' + c.month + '/' + c.day;
}

QByteArray ArrivalFileLine(int position, const QByteArray &owner, const QByteArray &arrival)
{
    const Clocking c = clockingOf(arrival);
    return fit(QByteArray::number(position), 10) + fit(owner, 25) + fit(Field(arrival, 1, 14), 20) + c.hh + ':' + c.mm
         + ':' + fit(c.ss, 9) + c.month + '/' + fit(c.day, 5);
}

QStringList ArrivalTableHeadings()
{
    return {QStringLiteral("Pos"), QStringLiteral("Flyer Name"), QStringLiteral("Band Number"), QStringLiteral("Time"),
            QStringLiteral("Date")};
}

QStringList ArrivalTableRow(int position, const QString &owner, const QByteArray &arrival)
{
    const Clocking c = clockingOf(arrival);
    return {QString::number(position), owner, toText(Field(arrival, 1, 14).trimmed()),
            toText(c.hh + ':' + c.mm + ':' + c.ss), toText(c.month + '/' + c.day)};
}
