#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of size goes on a screen's available area: centred, and made
// smaller where it would not fit with its frame (title bar and borders), but
// never below minimum; a window that still does not fit keeps its top left
// corner on the screen.
QRect PlacedOnScreen(QSize size, QSize minimum, const QRect &available, const QMargins &frame);

// Places a new window wholly on the screen that holds its parent (the main
// window), else on the primary screen.
void PlaceOnParentScreen(QWidget &window);
