#include "base/MyList.h"

void TMyListItem::Assign(const TMyListItem &src)
{
    if (&src == this)
        return;
    Caption = src.Caption;
    SetSubitems(src.Subitems);
}

TMyListItem &TMyList::Add()
{
    m_items.emplace_back();
    return m_items.back();
}

void TMyList::AssignItems(const TMyList &other)
{
    if (&other == this)
        return;
    m_items.clear();
    for (const TMyListItem &it : other.m_items)
        Add().Assign(it);
}
