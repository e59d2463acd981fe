#include "common/widgets/field_behaviour.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace {

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *field = static_cast<QLineEdit *>(watched);
            // After the mouse press that gave the focus has placed the cursor.
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
        }
        return false;
    }
};

} // namespace

void SelectAllOnFocus(QLineEdit *field)
{
    field->installEventFilter(new SelectAllFilter(field));
}

QValidator::State CharacterValidator::validate(QString &input, int &) const
{
    return std::all_of(input.cbegin(), input.cend(), m_accepts) ? Acceptable : Invalid;
}
