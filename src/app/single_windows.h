#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// Each data window exists at most once: asking for it again brings the open
// one to the front.
class SingleWindows {
public:
    QWidget *show(const QString &name, const std::function<QWidget *()> &create);
    QWidget *find(const QString &name) const;
    // False when a window refused to close (its user kept it open).
    bool closeAll();

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};
