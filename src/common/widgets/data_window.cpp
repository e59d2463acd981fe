#include "common/widgets/data_window.h"

#include "common/line_breaks.h"
#include "common/prompter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

DataWindow::DataWindow(QWidget *parent, Prompter &prompter) : QWidget(parent, Qt::Window), m_prompter(prompter)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A field that cannot be edited now still shows data the user reads.
    QPalette readable = palette();
    readable.setColor(QPalette::Disabled, QPalette::Text, readable.color(QPalette::Active, QPalette::Text));
    setPalette(readable);
}

void DataWindow::run(const std::function<void()> &action)
{
    action();
    showOutcome();
}

void DataWindow::keyPressEvent(QKeyEvent *event)
{
    // A button outside a dialog leaves Return to its window; records are
    // entered by confirming with it.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && button->isEnabled() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (!typing())
            close();
        else if (!holdsUnsavedInput() || mayLoseEntry(QStringLiteral("Lose it?")))
            cancelEntry();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool DataWindow::holdsUnsavedInput() const
{
    const QList<QLineEdit *> fields = findChildren<QLineEdit *>();
    return std::any_of(fields.cbegin(), fields.cend(), [](const QLineEdit *field) { return field->isModified(); });
}

bool DataWindow::mayLoseEntry(const QString &consequence)
{
    return m_prompter.message(Message{QStringLiteral("The record you are entering has not been saved.") + CRLF
                                          + consequence,
                                      {}, MsgIcon::Question, MsgButtons::YesNo, 1, false})
        == MsgAnswer::Yes;
}

void DataWindow::closeEvent(QCloseEvent *event)
{
    if (typing() && !mayLoseEntry(QStringLiteral("Close the window and lose it?"))) {
        event->ignore();
        return;
    }
    endLogic();
    QWidget::closeEvent(event);
}
