// An ordered list of items, each carrying a caption, its own list of
// strings and a free number.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct TMyListItem {
    QString Caption;
    QStringList Subitems; // owned: copies never share storage
    int imageIndex = 0;

    void SetSubitems(const QStringList &src) { Subitems = src; Subitems.detach(); }
    // Copies the caption and the strings; the two items stay independent.
    void Assign(const TMyListItem &src);
};

class TMyList {
public:
    TMyListItem &Add();                   // a new empty item at the end
    TMyListItem &Items(int i) { return m_items[size_t(i)]; }
    const TMyListItem &Items(int i) const { return m_items[size_t(i)]; }
    int Count() const { return int(m_items.size()); }
    void Clear() { m_items.clear(); }
    // Replaces all items with copies of the other list's items.
    void AssignItems(const TMyList &other);

private:
    std::vector<TMyListItem> m_items;
};
