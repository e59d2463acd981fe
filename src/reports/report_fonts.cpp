#include "reports/report_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont ReportFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Courier New"), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    return font;
}
