// Where the box-lid picture goes: half the picture's width and height (a
// quarter of its area), never wider or taller than a third of the table,
// the picture's proportions kept, and always wholly on the table.
#pragma once

#include <QPoint>
#include <QSize>

// The lid's size for a picture on a table; empty when either is empty.
// A width the player gave it (not -1) is kept as far as the table allows,
// never below kLidLeastWidth, the picture's proportions kept.
constexpr int kLidLeastWidth = 80;
QSize LidSize(QSize picture, QSize table, int width = -1);

// Within this many pixels of its bottom-right corner a press resizes the lid.
constexpr int kLidCorner = 14;

// The lid's corner: the wanted one moved the least that keeps the lid on
// the table; a wanted corner of (-1, -1) puts it at the table's top-right,
// a small gap from the edges.
QPoint LidPlace(QPoint wanted, QSize lid, QSize table);
