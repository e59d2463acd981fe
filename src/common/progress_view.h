#pragma once

#include <QString>

// The small progress window of long operations, seen from the logic that
// drives it. Showing never blocks; closeProgress() is safe to call twice.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void showProgress(const QString &firstLine, const QString &secondLine) = 0;
    virtual void setSecondLine(const QString &text) = 0;
    virtual void closeProgress() = 0;
    // The window's title: what the work is about.
    virtual void setTitle(const QString &title) = 0;
};
