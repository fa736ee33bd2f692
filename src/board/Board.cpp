#include "board/Board.h"

#include <QRegularExpression>
#include <algorithm>

const TCutInfo CutTable[CutCount + 1] = {
    {0, 0, 0, 0, 0, 0, 0},
    {7, 5, 120, 40, 0, 20, 128},
    {17, 11, 59, 24, 11, 13, 64},
    {24, 16, 59, 24, 11, 13, 64},
    {30, 20, 59, 24, 11, 13, 64},
    {40, 25, 59, 24, 11, 13, 64},
};

Tpiece &Tpieces::Add()
{
    m_items.emplace_back();
    return m_items.back();
}

std::vector<int> Board::Members(int g) const
{
    std::vector<int> out;
    if (g < 0 || g >= Groups.Count())
        return out;
    const QStringList &subs = Groups.Items(g).Subitems;
    out.reserve(size_t(subs.size()));
    for (const QString &s : subs)
        out.push_back(s.toInt());
    return out;
}

void BringToTop(Board &b, int piece)
{
    const QString key = QString::number(piece);
    const int at = b.DrawOrder.indexOf(key);
    if (at < 0 || at == b.DrawOrder.size() - 1)
        return;
    b.DrawOrder.removeAt(at);
    b.DrawOrder.append(key);
}

void BringToTop(Board &b, const std::vector<int> &pieces)
{
    // Where each piece ends among the moved ones: its last mention.
    std::vector<int> rank(size_t(b.Pieces.Count()), -1);
    for (size_t k = 0; k < pieces.size(); ++k) {
        const int p = pieces[k];
        if (p >= 0 && p < b.Pieces.Count())
            rank[size_t(p)] = int(k);
    }
    QStringList stay;
    std::vector<std::pair<int, QString>> lifted;
    stay.reserve(b.DrawOrder.size());
    for (const QString &line : std::as_const(b.DrawOrder)) {
        bool ok = false;
        const int p = line.toInt(&ok);
        // Only the decimal text of a moved piece is moved, as by one piece at a time.
        if (ok && p >= 0 && p < b.Pieces.Count() && rank[size_t(p)] >= 0 && line == QString::number(p))
            lifted.emplace_back(rank[size_t(p)], line);
        else
            stay.append(line);
    }
    std::sort(lifted.begin(), lifted.end(), [](const auto &x, const auto &y) { return x.first < y.first; });
    stay.reserve(b.DrawOrder.size());
    for (auto &l : lifted)
        stay.append(std::move(l.second));
    b.DrawOrder = std::move(stay);
}

QString FormatGameTime(int64_t seconds)
{
    const int64_t s = seconds < 0 ? 0 : seconds;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

bool ParseGameTime(const QString &text, int64_t &seconds)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,4}):(\\d{2}):(\\d{2})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int64_t h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.captured(3).toInt();
    if (h > MaxGameHours || mi > 59 || s > 59)
        return false;
    seconds = h * 3600 + mi * 60 + s;
    return true;
}
