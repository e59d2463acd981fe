#include "admin_db/records/bird_hatch_years.h"

namespace {
constexpr int Span = 32;
}

void HatchYearWindow::follow(double lmdVersion)
{
    if (lmdVersion != 0 && lmdVersion <= 3.45)
        m_base = 80;
    else if (lmdVersion == 0 || lmdVersion >= 3.5)
        m_base = 0;
}

bool HatchYearWindow::accepts(int year) const
{
    return year >= 0 && year <= 99 && (year - m_base + 100) % 100 < Span;
}

QString HatchYearWindow::message() const
{
    return QStringLiteral("Valid years are ") + QString::number(m_base) + QStringLiteral("--> <--")
         + QString::number((m_base + Span - 1) % 100);
}
