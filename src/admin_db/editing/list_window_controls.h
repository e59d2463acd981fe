#pragma once

struct ListWindowView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

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
