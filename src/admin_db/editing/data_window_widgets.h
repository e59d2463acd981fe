#pragma once

#include <QStringList>

struct ListWindowView;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Setting the same text again would move the cursor while the user types.
void ShowFieldText(QLineEdit *field, const QString &text);

// The texts of a list's lines, top to bottom.
QStringList ListLines(const QListWidget *list);

// Replaces the lines only when they changed, so the list keeps its scroll
// position; emits none of the list's signals.
void ShowListLines(QListWidget *list, const QStringList &lines, int selectedRow, bool enabled);

// Like ShowListLines, for a combo box.
void ShowComboItems(QComboBox *box, const QStringList &items, int currentIndex, bool enabled);

// The line the user chose, or -1. A list that takes the focus makes its first
// line current without choosing it: only a selection counts.
int ChosenRow(const QListWidget *list);

// Focus the user moved into a control, not focus regained with the window or
// after a menu.
bool IsFocusEntered(const QEvent *event);

// The controls a club or flyer window shows its ListWindowView with.
struct ListWindowControls {
    QListWidget *list;
    QLabel *count;
    QLineEdit *search;
    QPushButton *add;
    QPushButton *edit;
    QPushButton *erase;
    QPushButton *save;
    QPushButton *cancel;
    QPushButton *end;
};

void ShowListWindow(const ListWindowControls &controls, const ListWindowView &view);
