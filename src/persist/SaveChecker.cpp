#include "persist/SaveChecker.h"

// Characters of the list "0,1,...,n-1".
int ListChars(int n)
{
    int chars = std::max(0, n - 1); // the commas
    for (int from = 0, to = 10, digits = 1; from < n; from = to, to *= 10, ++digits)
        chars += digits * (std::min(n, to) - from);
    return chars;
}

// Decimal with an optional sign, or hexadecimal after "0x", as integer keys
// are read; false for anything else or for a number beyond 32 bits.
bool ParseInt(const QString &text, int32_t &out)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    bool ok = false;
    if (s.size() > 2 && s[0] == QLatin1Char('0') && (s[1] == QLatin1Char('x') || s[1] == QLatin1Char('X'))) {
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
        const QString digits = s.mid(2);
        if (!hex.match(digits).hasMatch())
            return false;
        out = int32_t(uint32_t(digits.toULongLong(&ok, 16)));
        return ok;
    }
    static const QRegularExpression dec(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    if (!dec.match(s).hasMatch())
        return false;
    const qlonglong v = s.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = int32_t(v);
    return true;
}

// A list item: a piece number in plain decimal (leading zeros allowed).
bool ParseIndex(const QString &text, int &out)
{
    static const QRegularExpression dec(QStringLiteral("^[0-9]{1,9}$"));
    if (!dec.match(text).hasMatch())
        return false;
    out = text.toInt();
    return true;
}
