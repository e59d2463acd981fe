#include "common/widgets/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Retry: return QMessageBox::Retry;
    case MsgAnswer::Abort: return QMessageBox::Abort;
    case MsgAnswer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// Texts are written with CR LF; a label wants plain line feeds.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A label with a buddy reads "&" as a mnemonic; the program's texts mean
// the character itself.
QString asWritten(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Wide enough for the whole title beside the window manager's buttons: a
// box sized to a short text clips its title.
int widthForTitle(const QWidget &window, const QString &title)
{
    constexpr int DecorationRoom = 140;
    return window.fontMetrics().horizontalAdvance(title) * 6 / 5 + DecorationRoom;
}

} // namespace

MsgAnswer QtPrompter::message(const Message &m)
{
    QMessageBox box(qtIcon(m.icon), m.title.isEmpty() ? programTitle() : m.title,
                    forDisplay(m.text), QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    const QList<MsgAnswer> answers = answersOf(m.buttons);
    for (MsgAnswer a : answers)
        box.addButton(qtButton(a));
    const int defaultIndex = qBound(0, m.defaultButton, int(answers.size()) - 1);
    box.setDefaultButton(qtButton(answers.at(defaultIndex)));
    if (m.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box, box.windowTitle()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    const int clicked = box.exec();
    for (MsgAnswer a : answers) {
        if (clicked == qtButton(a))
            return a;
    }
    // Closed by Escape or the close box: the way out the buttons offer.
    return answers.contains(MsgAnswer::Cancel) ? MsgAnswer::Cancel
         : answers.contains(MsgAnswer::No)     ? MsgAnswer::No
                                               : answers.constFirst();
}

std::optional<QString> QtPrompter::input(const QString &prompt, const QString &title,
                                         const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title.isEmpty() ? programTitle() : title);
    dialog.setLabelText(asWritten(forDisplay(prompt)));
    dialog.setTextValue(defaultText);
    // The dialog's layout fixes its size to its contents: the field widens it.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMinimumWidth(widthForTitle(dialog, dialog.windowTitle()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString QtPrompter::saveFileName(const SaveFileRequest &request)
{
    const QString start = request.fileName.isEmpty() ? request.folder
                                                     : request.folder + request.fileName;
    return QFileDialog::getSaveFileName(m_parent, request.title, start, request.filter, nullptr,
                                        request.confirmOverwrite ? QFileDialog::Options()
                                                                 : QFileDialog::DontConfirmOverwrite);
}

void QtPrompter::beep()
{
    QApplication::beep();
}
