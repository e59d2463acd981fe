#pragma once

#include <QRect>
#include <QSize>

// Where the title, the company line and the line across the window go for a
// window size: everything scales with the window's share of the screen.
struct BackgroundLayout {
    double titlePointSize;
    double companyPointSize;
    QRect line;
};

BackgroundLayout LayOutBackground(QSize window, QSize screen, int statusBarHeight);

// Whether the window has been enlarged to about the size of the screen.
bool FillsScreen(QSize window, QSize screen);

// The top-left corner that centres the window on the screen.
QPoint CentredOrigin(QSize window, QSize screen);
