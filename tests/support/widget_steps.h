#pragma once

#include <QCoreApplication>

// Lets queued focus changes and select-all happen, as between two keystrokes.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
