#pragma once

#include <functional>

class ClockLink;
class ProgressView;
class Prompter;
struct ClockIdentity;

// What every clock command works with; all of it lives as long as the main
// window.
struct TransferContext {
    ClockLink &link;
    ClockIdentity &identity;
    Prompter &prompter;
    ProgressView &progress;
    // Puts the fresh identification into the status bar.
    std::function<void()> showClockStatus;
};
