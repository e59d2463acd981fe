#include "app/single_windows.h"

#include "common/widgets/window_placement.h"

QWidget *SingleWindows::show(const QString &name, const std::function<QWidget *()> &create)
{
    QWidget *window = find(name);
    if (!window) {
        window = create();
        PlaceOnParentScreen(*window);
        m_windows.insert(name, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget *SingleWindows::find(const QString &name) const
{
    return m_windows.value(name).data();
}

bool SingleWindows::closeAll()
{
    bool allClosed = true;
    for (const QPointer<QWidget> &w : std::as_const(m_windows)) {
        if (w && !w->close())
            allClosed = false;
    }
    return allClosed;
}
