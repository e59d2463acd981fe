#pragma once

#include "common/progress_view.h"

// Benchmarks measure the work, not the painting of its progress.
class UnseenProgress : public ProgressView {
public:
    void showProgress(const QString &, const QString &) override {}
    void setSecondLine(const QString &) override {}
    void closeProgress() override {}
    void setTitle(const QString &) override {}
};
