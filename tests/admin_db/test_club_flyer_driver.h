#pragma once

#include "common/widgets/data_window_widgets.h"
#include "widget_steps.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Works a window's controls by their names, with the mouse and the keyboard.
struct WindowDriver {
    template <typename T> T *find(const char *name) const
    {
        T *child = window->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("missing control %s", name);
        return child;
    }
    QLineEdit *field(const char *name) const { return find<QLineEdit>(name); }
    bool enabled(const char *name) const { return find<QWidget>(name)->isEnabled(); }
    void click(const char *button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void clickLine(const char *list, int row) const
    {
        auto *l = find<QListWidget>(list);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    // Enters a field with the mouse and types over its whole text.
    void typeInto(const char *name, const QString &text) const
    {
        QTest::mouseClick(field(name), Qt::LeftButton);
        settle();
        QTest::keyClicks(field(name), text);
    }
    QStringList lines(const char *list) const { return ListLines(find<QListWidget>(list)); }
    int selectedRow(const char *list) const
    {
        auto *l = find<QListWidget>(list);
        return l->selectedItems().isEmpty() ? -1 : l->currentRow();
    }
    // Measured, as the font asked for may be stood in for by another.
    bool fixedPitch(const char *name) const
    {
        const QFontMetrics pitch(find<QWidget>(name)->font());
        return pitch.horizontalAdvance(QLatin1Char('i')) == pitch.horizontalAdvance(QLatin1Char('M'));
    }
    static void settle() { ::settle(); }

    QWidget *window = nullptr;
};
