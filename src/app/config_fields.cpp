#include "app/config_fields.h"

#include "admin_db/records/bird_band.h"
#include "common/text_helpers.h"
#include "common/latin1.h"

namespace {

QString fixed(const QString &text, int width, char pad)
{
    return toText(FixWidth(toBytes(text), width, pad, true));
}

} // namespace

bool FieldRule::acceptsText(const QString &text) const
{
    return FitsField(text, maxLength, accepts);
}

QString FieldRule::fit(const QString &text) const
{
    QString out;
    for (QChar c : text) {
        if (out.size() == maxLength)
            break;
        if (accepts(c))
            out += c;
    }
    return out;
}

namespace ConfigRules {

QStringList nationalOrgs()
{
    return NatOrgCodes();
}

const FieldRule concourse{4, IsCodeCharacter};
const FieldRule combine{2, IsCodeCharacter};
// The name goes to the clock in the S1 record: a character it cannot hold
// is refused at typing rather than sent as '?'.
const FieldRule combineName{20, IsNameCharacter};
const FieldRule comPort{2, IsDigit};

} // namespace ConfigRules

QString StoredConcourse(const QString &field)
{
    return fixed(field.toUpper(), 4, '0');
}

QString StoredCombine(const QString &field)
{
    return fixed(field.toUpper(), 2, '0');
}

QString StoredCombineName(const QString &field)
{
    const QString name = fixed(field, 20, ' ');
    return name.trimmed().isEmpty() ? fixed(QStringLiteral("Default"), 20, ' ') : name;
}

QString MainWindowTitle(const ConfigFields &fields)
{
    return QStringLiteral("Tamrel     Concourse = ") + fields.concourse.toUpper()
         + QStringLiteral(" Combine = ") + fields.combine.toUpper();
}
