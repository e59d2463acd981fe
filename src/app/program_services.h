#pragma once

#include "common/folders.h"

#include <functional>

class MonotonicClock;
class Prompter;
class QSettings;
class SerialPort;

// What the main window is given from outside: real devices in the program,
// fakes in tests.
struct ProgramServices {
    Folders folders;
    SerialPort &port;
    MonotonicClock &clock;
    Prompter &prompter;
    QSettings &settings;
    // Opens a document (the help file) with the desktop's viewer.
    std::function<bool(const QString &path)> openDocument;
    // Whether the desktop has a viewer for a document of this kind.
    std::function<bool(const QString &path)> hasViewerFor;
};
