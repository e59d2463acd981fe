#pragma once

#include "common/prompter.h"

class QWidget;

// Real message boxes, input boxes and file dialogs, parented to a window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget *parent) : m_parent(parent) {}

    MsgAnswer message(const Message &m) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    QString saveFileName(const SaveFileRequest &request) override;
    void beep() override;

private:
    QWidget *m_parent;
};
