#include "admin_db/editing/data_window_widgets.h"

#include "admin_db/editing/list_window_view.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void ShowFieldText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

QStringList ListLines(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

void ShowListLines(QListWidget *list, const QStringList &lines, int selectedRow, bool enabled)
{
    const QSignalBlocker quiet(list);
    if (ListLines(list) != lines) {
        list->clear();
        list->addItems(lines);
    }
    list->setCurrentRow(selectedRow);
    if (selectedRow < 0)
        list->clearSelection();
    list->setEnabled(enabled);
}

void ShowComboItems(QComboBox *box, const QStringList &items, int currentIndex, bool enabled)
{
    const QSignalBlocker quiet(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(currentIndex);
    box->setEnabled(enabled);
}

int ChosenRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.constFirst());
}

bool IsFocusEntered(const QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void ShowListWindow(const ListWindowControls &controls, const ListWindowView &view)
{
    ShowListLines(controls.list, view.lines, view.selectedRow, view.listEnabled);
    controls.count->setText(view.countLine);
    ShowFieldText(controls.search, view.search);
    controls.search->setEnabled(view.searchEnabled);
    controls.add->setEnabled(view.addEnabled);
    controls.edit->setEnabled(view.editEnabled);
    controls.erase->setEnabled(view.deleteEnabled);
    controls.save->setEnabled(view.saveEnabled);
    controls.cancel->setEnabled(view.cancelEnabled);
    controls.end->setEnabled(view.endEnabled);
}
