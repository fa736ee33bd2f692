// The checked reading of a saved game's keys: each value read within its
// limits, the first broken rule kept as the reason for the player's message.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/ProfileFile.h"
#include "board/Board.h"

// The reader of these files has always returned at most this many
// characters; a big cut's lists (the stacking order, a group of most of the
// pieces) are longer, and are allowed what the longest list of its pieces
// takes.
constexpr int kMaxValueChars = 2047;

// Decimal with an optional sign, or hexadecimal after "0x", as integer keys
// are read; false for anything else or for a number beyond 32 bits.
bool ParseInt(const QString &text, int32_t &out);
// A list item: a piece number in plain decimal (leading zeros allowed).
bool ParseIndex(const QString &text, int &out);
// Characters of the list "0,1,...,n-1".
int ListChars(int n);

// Reads the keys of one file, stopping at the first broken rule with the
// reason kept for the player's message.
class TChecker {
public:
    explicit TChecker(const TProfileFile &f) : m_f(f) {}

    // Values up to the longest list of this many pieces are read whole.
    void AllowListsOf(int pieces) { m_maxChars = std::max(kMaxValueChars, ListChars(pieces)); }

    bool Failed() const { return !m_reason.isEmpty(); }
    const QString &Reason() const { return m_reason; }
    bool Fail(const QString &reason)
    {
        if (m_reason.isEmpty())
            m_reason = reason;
        return false;
    }

    // The stored value, or nothing when the key is missing.
    bool Raw(const QString &section, const QString &key, QString &value, bool &found)
    {
        value = m_f.ReadRaw(section, key, &found);
        if (found && value.size() > m_maxChars)
            return Fail(QStringLiteral("значение «%1» в разделе «%2» длиннее %3 знаков")
                            .arg(key, section)
                            .arg(m_maxChars));
        return true;
    }

    // An integer key: a value that is not a number (or is beyond 32 bits)
    // takes the key's default, as a missing key does.
    int32_t Integer(const QString &section, const QString &key, int32_t def) const
    {
        bool found = false;
        const QString v = m_f.ReadRaw(section, key, &found);
        int32_t out = def;
        if (!found || !ParseInt(v, out))
            return def;
        return out;
    }

    // A clock key ("H:mm:ss") in whole seconds: a value that cannot be read
    // as one takes the default.
    int64_t Time(const QString &section, const QString &key, int64_t def) const
    {
        bool found = false;
        const QString v = m_f.ReadRaw(section, key, &found);
        int64_t out = def;
        if (!found || !ParseGameTime(v, out))
            return def;
        return out;
    }

    // A Boolean key: any number but 0 is true.
    bool Bool(const QString &section, const QString &key, bool def) const
    {
        return Integer(section, key, def ? 1 : 0) != 0;
    }

    // Piece numbers below `limit`.
    bool Indices(const QString &section, const QString &key, int limit, std::vector<int> &out, bool *found = nullptr)
    {
        QString v;
        bool present = false;
        if (!Raw(section, key, v, present))
            return false;
        if (found)
            *found = present;
        out.clear();
        static const QRegularExpression sep(QStringLiteral("[,\\s]+"));
        const QStringList items = v.split(sep, Qt::SkipEmptyParts);
        out.reserve(size_t(items.size()));
        for (const QString &item : items) {
            int n = 0;
            if (!ParseIndex(item, n) || n >= limit)
                return Fail(QStringLiteral("«%1» называет кусочек «%2», которого нет").arg(key, item));
            out.push_back(n);
        }
        return true;
    }

private:
    const TProfileFile &m_f;
    QString m_reason;
    int m_maxChars = kMaxValueChars;
};
