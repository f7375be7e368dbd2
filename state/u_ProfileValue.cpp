// SPDX-License-Identifier: MIT
#include "state/u_ProfileValue.h"

#include <QVariant>

#include <limits>

namespace {

int HexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

int ProfileInt(const QString& Raw, int Default)
{
    QString Text = Raw;
    if (Text.size() > 2 && (Text.startsWith(QLatin1String("0x")) || Text.startsWith(QLatin1String("0X"))))
        Text.replace(0, 2, QLatin1Char('$'));

    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && (Text[i] == QLatin1Char(' ') || Text[i] == QLatin1Char('\t')))
        ++i;
    bool Negative = false;
    if (i < n && (Text[i] == QLatin1Char('+') || Text[i] == QLatin1Char('-')))
        Negative = Text[i++] == QLatin1Char('-');

    bool Hex = false;
    if (i < n && (Text[i] == QLatin1Char('$') || Text[i] == QLatin1Char('x') || Text[i] == QLatin1Char('X'))) {
        Hex = true;
        ++i;
    } else if (i + 1 < n && Text[i] == QLatin1Char('0') && (Text[i + 1] == QLatin1Char('x') || Text[i + 1] == QLatin1Char('X'))) {
        Hex = true;
        i += 2;
    }
    if (i == n)
        return Default;

    if (Hex) {
        if (n - i > 8)
            return Default;
        quint32 Pattern = 0;
        for (; i < n; ++i) {
            const int Digit = HexDigit(Text[i]);
            if (Digit < 0)
                return Default;
            Pattern = Pattern * 16 + quint32(Digit);
        }
        const auto Value = static_cast<qint32>(Pattern);
        return Negative ? static_cast<qint32>(0u - Pattern) : Value;
    }

    qint64 Value = 0;
    for (; i < n; ++i) {
        if (Text[i] < QLatin1Char('0') || Text[i] > QLatin1Char('9'))
            return Default;
        Value = Value * 10 + (Text[i].unicode() - '0');
        if (Value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return Default;
    }
    if (Negative)
        Value = -Value;
    if (Value > std::numeric_limits<qint32>::max() || Value < std::numeric_limits<qint32>::min())
        return Default;
    return static_cast<int>(Value);
}

// QSettings hands back the text of a key, except for an unquoted "a,b", which it splits into a
// list whose text is empty, and for a value this process wrote, which it keeps as written (an int).
int ProfileInt(const QVariant& Value, int Default)
{
    return ProfileInt(Value.toString(), Default);
}

bool ProfileBool(const QVariant& Value, bool Default)
{
    return ProfileInt(Value, Default ? 1 : 0) != 0;
}
