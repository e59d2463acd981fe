#include "app/background_layout.h"

#include <QPoint>
#include <algorithm>
#include <cmath>

BackgroundLayout LayOutBackground(QSize window, QSize screen, int statusBarHeight)
{
    const double scale = std::min(double(window.width()) / std::max(1, screen.width()),
                                  double(window.height()) / std::max(1, screen.height()));
    const int thickness = std::max(1, int(std::lround(5 * scale)));
    const int y = int(window.height() / 2.0 - 1.5 * statusBarHeight);
    return BackgroundLayout{72 * scale, 20 * scale, QRect(0, y, window.width(), thickness)};
}

bool FillsScreen(QSize window, QSize screen)
{
    return window.width() >= screen.width() * 9 / 10 && window.height() >= screen.height() * 9 / 10;
}

QPoint CentredOrigin(QSize window, QSize screen)
{
    return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}
