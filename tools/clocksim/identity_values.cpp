#include "identity_values.h"

#include <QRegularExpression>
#include <cctype>

std::optional<ClockModel> ParseModel(const QByteArray &text)
{
    const QByteArray t = text.toLower();
    if (t == "korve")
        return ClockModel::Korve;
    if (t == "talmi")
        return ClockModel::Talmi;
    return std::nullopt;
}

QByteArray ModelName(ClockModel model)
{
    return model == ClockModel::Talmi ? "talmi" : "korve";
}

std::optional<int> ParseVersion(const QByteArray &text, int maxHundredths)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})(?:\\.(\\d{1,2}))?$"));
    const auto m = shape.match(QString::fromLatin1(text));
    if (!m.hasMatch())
        return std::nullopt;
    QString decimals = m.captured(2);
    while (decimals.size() < 2)
        decimals += QLatin1Char('0');
    const int hundredths = m.captured(1).toInt() * 100 + decimals.toInt();
    if (hundredths > maxHundredths)
        return std::nullopt;
    return hundredths;
}

QByteArray VersionText(int hundredths)
{
    return QByteArray::number(hundredths / 100) + '.' + QByteArray::number(hundredths % 100).rightJustified(2, '0');
}

std::optional<char> ParseState(const QByteArray &text)
{
    if (text.size() != 1 || text.at(0) < '0' || text.at(0) > '9')
        return std::nullopt;
    return text.at(0);
}

std::optional<QByteArray> ParseHex(const QByteArray &text, int digits)
{
    if (text.size() != digits)
        return std::nullopt;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return text;
}
