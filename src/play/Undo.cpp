#include "play/Undo.h"

namespace play {

TTableState TakeTable(const Board &b)
{
    TTableState s;
    s.Pieces.reserve(size_t(b.Pieces.Count()));
    for (const Tpiece &p : b.Pieces)
        s.Pieces.push_back({p.X, p.Y, p.Rotation});
    s.DrawOrder = b.DrawOrder;
    for (const TTray &t : b.Trays)
        s.Trays.push_back(t.Pieces);
    return s;
}

bool PutTable(Board &b, const TTableState &s)
{
    if (s.Pieces.size() != size_t(b.Pieces.Count()) || s.DrawOrder.size() != b.DrawOrder.size() ||
        s.Trays.size() != b.Trays.size())
        return false;
    for (int i = 0; i < b.Pieces.Count(); ++i) {
        Tpiece &p = b.Pieces[i];
        p.X = s.Pieces[size_t(i)].X;
        p.Y = s.Pieces[size_t(i)].Y;
        p.Rotation = s.Pieces[size_t(i)].Rotation;
    }
    b.DrawOrder = s.DrawOrder;
    for (size_t k = 0; k < s.Trays.size(); ++k)
        b.Trays[k].Pieces = s.Trays[k];
    b.Selected.clear(); // a selection may not outlive the pieces' places
    return true;
}

void TUndo::Record(TTableState before)
{
    m_forward.clear();
    m_back.push_back(std::move(before));
    while (m_back.size() > kSteps)
        m_back.pop_front();
}

bool TUndo::Undo(Board &b)
{
    if (m_back.empty())
        return false;
    TTableState now = TakeTable(b);
    if (!PutTable(b, m_back.back()))
        return false;
    m_back.pop_back();
    m_forward.push_back(std::move(now));
    return true;
}

bool TUndo::Redo(Board &b)
{
    if (m_forward.empty())
        return false;
    TTableState now = TakeTable(b);
    if (!PutTable(b, m_forward.back()))
        return false;
    m_forward.pop_back();
    m_back.push_back(std::move(now));
    return true;
}

void TUndo::Clear()
{
    m_back.clear();
    m_forward.clear();
}

} // namespace play
