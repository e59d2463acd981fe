#pragma once

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QWidget>

// Finding and working the race report windows as a user would.
namespace ReportWindows {

// The visible window of that name, if any.
inline QWidget *shown(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

template <typename T>
T *control(const QString &window, const char *name)
{
    QWidget *w = shown(window);
    return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
}

inline QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

inline void click(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Windows closed by their owner go at the next turn of the event loop.
inline void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ReportWindows
