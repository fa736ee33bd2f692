// The toolbar glyphs, drawn on a 32-unit square at any scale.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

struct ToolGlyph {
    const char *name;
    std::function<void(QPainter &)> draw;
};

// Every glyph, in the toolbar's order.
const std::vector<ToolGlyph> &ToolGlyphs();

// The glyph at `scale` pixels to the unit.
QImage ToolbarGlyph(const ToolGlyph &g, int scale);
