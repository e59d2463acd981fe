#include "common/widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The frame is unknown until the window manager has shown the window: room
// for a title bar and borders as desktops draw them.
const QMargins AssumedFrame(8, 36, 8, 8);

} // namespace

QRect PlacedOnScreen(QSize size, QSize minimum, const QRect &available, const QMargins &frame)
{
    const QRect inside = available.marginsRemoved(frame);
    size = size.boundedTo(inside.size()).expandedTo(minimum);
    return QRect(QPoint(inside.x() + std::max(0, (inside.width() - size.width()) / 2),
                        inside.y() + std::max(0, (inside.height() - size.height()) / 2)),
                 size);
}

void PlaceOnParentScreen(QWidget &window)
{
    const QWidget *parent = window.parentWidget();
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A form without a size of its own takes the one its layout asks for.
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QRect placed = PlacedOnScreen(wanted, minimum, screen->availableGeometry(), AssumedFrame);
    window.resize(placed.size());
    // A window's position is its frame's.
    window.move(placed.topLeft() - QPoint(AssumedFrame.left(), AssumedFrame.top()));
}
