#include "common/widgets/data_window_widgets.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

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

void ShowListLines(QListWidget *list, const QStringList &lines, bool enabled)
{
    const QSignalBlocker quiet(list);
    if (ListLines(list) != lines) {
        list->clear();
        list->addItems(lines);
    }
    list->setEnabled(enabled);
}

void ShowListLines(QListWidget *list, const QStringList &lines, int selectedRow, bool enabled)
{
    const QSignalBlocker quiet(list);
    ShowListLines(list, lines, enabled);
    list->setCurrentRow(selectedRow);
    if (selectedRow < 0)
        list->clearSelection();
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

QList<int> SelectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (const QModelIndex &index : list->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ChosenRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.constFirst());
}

namespace {

bool IsUserFocusMove(const QEvent *event, QEvent::Type type)
{
    if (event->type() != type)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool IsFocusEntered(const QEvent *event)
{
    return IsUserFocusMove(event, QEvent::FocusIn);
}

bool IsFocusLeft(const QEvent *event)
{
    return IsUserFocusMove(event, QEvent::FocusOut);
}
