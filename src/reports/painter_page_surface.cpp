#include "reports/painter_page_surface.h"

#include "common/latin1.h"
#include "reports/report_fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double DesignPageHeightPt = 11 * 72;
constexpr double UnitsPerPoint = PageSurface::Height / DesignPageHeightPt;
// Courier New's line height to its size.
constexpr double LineSpacing = 1.13;

} // namespace

PainterPageSurface::PainterPageSurface(QPainter &painter, QPagedPaintDevice &device)
    : m_painter(painter)
    , m_device(device)
    , m_pixelsAcross(painter.viewport().width() / PageSurface::Width)
    , m_pixelsDown(painter.viewport().height() / PageSurface::Height)
{
}

void PainterPageSurface::setFont(int pointSize, bool bold)
{
    QFont font = ReportFont(pointSize, bold);
    font.setPixelSize(qMax(1, qRound(pointSize * UnitsPerPoint * m_pixelsDown)));
    m_painter.setFont(font);
    m_lineHeight = pointSize * LineSpacing * UnitsPerPoint;
}

void PainterPageSurface::drawText(double x, double y, const QByteArray &text)
{
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    m_painter.drawText(QPointF(x * m_pixelsAcross, y * m_pixelsDown + metrics.ascent()), toText(text));
}

bool PainterPageSurface::newPage()
{
    return m_device.newPage();
}
