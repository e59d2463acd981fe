#pragma once

#include <QList>
#include <QStringList>

class QComboBox;
class QEvent;
class QLineEdit;
class QListWidget;

// Setting the same text again would move the cursor while the user types.
void ShowFieldText(QLineEdit *field, const QString &text);

// The texts of a list's lines, top to bottom.
QStringList ListLines(const QListWidget *list);

// Replaces the lines only when they changed, so the list keeps its scroll
// position; emits none of the list's signals.
void ShowListLines(QListWidget *list, const QStringList &lines, bool enabled);
// The same, with the one line selected (none for -1).
void ShowListLines(QListWidget *list, const QStringList &lines, int selectedRow, bool enabled);

// Like ShowListLines, for a combo box.
void ShowComboItems(QComboBox *box, const QStringList &items, int currentIndex, bool enabled);

// The selected lines of a list that takes several, top to bottom.
QList<int> SelectedRows(const QListWidget *list);

// The line the user chose, or -1. A list that takes the focus makes its first
// line current without choosing it: only a selection counts.
int ChosenRow(const QListWidget *list);

// Focus the user moved into or out of a control, not focus that went to
// another program or to a menu and came back.
bool IsFocusEntered(const QEvent *event);
bool IsFocusLeft(const QEvent *event);
