#pragma once

#include "reports/page_layout.h"

class QPagedPaintDevice;
class QPainter;

// Draws the printed report with a painter on a printer or a PDF. The page
// scale covers the printable area. The report was laid out for an 11-inch
// page: type sizes follow the printable height, so a full page (the title
// and 55 lines) fits on one sheet of any size, and lines are spaced as
// Courier New spaces them whatever fixed-pitch font stands in for it.
class PainterPageSurface : public PageSurface {
public:
    PainterPageSurface(QPainter &painter, QPagedPaintDevice &device);

    void setFont(int pointSize, bool bold) override;
    double lineHeight() const override { return m_lineHeight; }
    void drawText(double x, double y, const QByteArray &text) override;
    bool newPage() override;

private:
    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    double m_pixelsAcross;     // device pixels per page unit
    double m_pixelsDown;
    double m_lineHeight = 0;   // page units
};
