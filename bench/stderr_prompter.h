#pragma once

#include "common/prompter.h"

// Benchmarks run unattended: every message goes to stderr and gets its
// default answer; questions for text or files are cancelled.
class StderrPrompter : public Prompter {
public:
    MsgAnswer message(const Message &m) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString saveFileName(const SaveFileRequest &request) override;
    void beep() override {}

    int messages = 0;
};
