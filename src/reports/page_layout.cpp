#include "reports/page_layout.h"

bool PrintOnPages(const QList<PrintLine> &lines, PageSurface &surface)
{
    double y = 0;
    for (const PrintLine &line : lines) {
        surface.setFont(line.pointSize, line.bold);
        const double height = surface.lineHeight();
        if (y > 0 && y + height > PageSurface::Height) {
            if (!surface.newPage())
                return false;
            y = 0;
        }
        if (!line.text.isEmpty())
            surface.drawText(line.x, y, line.text);
        y += height;
    }
    return true;
}
