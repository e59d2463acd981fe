#pragma once

#include "common/widgets/data_window_widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Lets queued focus changes and select-all happen, as between two keystrokes.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Works a window's controls by their names, with the mouse and the keyboard.
struct WindowDriver {
    // Shows the window to drive; whether it took the keyboard.
    bool showWindow(QWidget *shown)
    {
        window = shown;
        shown->show();
        return QTest::qWaitForWindowActive(shown);
    }
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
    void clickLine(const char *list, int row, Qt::KeyboardModifiers keys = {}) const
    {
        auto *l = find<QListWidget>(list);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, keys, l->visualItemRect(l->item(row)).center());
    }
    // Enters a control with the mouse and types over its whole text.
    static void typeInto(QWidget *target, const QString &text)
    {
        QTest::mouseClick(target, Qt::LeftButton);
        settle();
        QTest::keyClicks(target, text);
    }
    void typeInto(const char *name, const QString &text) const { typeInto(field(name), text); }
    // Types into an emptied field; what it let in.
    QString retype(const char *name, const QString &text) const
    {
        field(name)->clear();
        QTest::keyClicks(field(name), text);
        return field(name)->text();
    }
    // Pastes into an emptied field or editable combo box; what it let in.
    QString paste(const char *name, const QString &text) const
    {
        auto *box = window->findChild<QComboBox *>(QLatin1String(name));
        QLineEdit *edit = box ? box->lineEdit() : field(name);
        edit->clear();
        QApplication::clipboard()->setText(text);
        edit->paste();
        return edit->text();
    }
    static void leaveWithTab(QWidget *from)
    {
        QTest::keyClick(from, Qt::Key_Tab);
        settle();
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
