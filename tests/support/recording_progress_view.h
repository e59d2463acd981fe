#pragma once

#include "common/progress_view.h"

#include <QStringList>

// Keeps what a command showed in its progress window.
class RecordingProgressView : public ProgressView {
public:
    void showProgress(const QString &first, const QString &second) override
    {
        isOpen = true;
        ++timesShown;
        firstLine = first;
        secondLines.append(second);
    }
    void setSecondLine(const QString &text) override { secondLines.append(text); }
    void closeProgress() override { isOpen = false; }
    void setTitle(const QString &text) override { title = text; }

    bool isOpen = false;
    int timesShown = 0;
    QString firstLine;
    QString title;
    QStringList secondLines;
};
