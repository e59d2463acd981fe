#pragma once

#include "reports/printed_report.h"

// Where the printed report is drawn: pages of 850 units across and 1000
// down, origin at the top left. The real one paints on a printer or a PDF;
// tests record what is drawn.
class PageSurface {
public:
    static constexpr double Width = 850;
    static constexpr double Height = 1000;

    virtual ~PageSurface() = default;
    virtual void setFont(int pointSize, bool bold) = 0;
    // The height of a line in the current font, in page units.
    virtual double lineHeight() const = 0;
    // y is the top of the line.
    virtual void drawText(double x, double y, const QByteArray &text) = 0;
    // False when the device cannot go on.
    virtual bool newPage() = 0;
};

// Lays the lines out one below the other, going on to a new page when a
// line would not fit. False when a new page could not be started.
bool PrintOnPages(const QList<PrintLine> &lines, PageSurface &surface);
