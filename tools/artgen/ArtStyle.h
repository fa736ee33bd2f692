// The one look of the game's artwork: its colours and the drawing helpers
// every picture is made with (jigsaw shapes, a navy outline, warm gold and
// cream on deep blue, soft bevels).
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>

const QColor Navy(0x1B, 0x33, 0x58);
const QColor NavyLight(0x2F, 0x5A, 0x8C);
const QColor Gold(0xF4, 0xB9, 0x3A);
const QColor GoldLight(0xFF, 0xE2, 0x8A);
const QColor GoldDark(0xD0, 0x8A, 0x12);
const QColor Cream(0xFF, 0xF6, 0xE0);
const QColor Coral(0xE8, 0x65, 0x4A);
const QColor Green(0x4F, 0xB0, 0x5A);
const QColor Blue(0x3A, 0x7B, 0xC8);
const QColor Sky(0xA6, 0xCA, 0xF0);

// A transparent picture to draw on.
QImage Canvas(int w, int h);
// Smooth drawing at `scale` units to the pixel.
void Prepare(QPainter &p, double scale);
QLinearGradient Vertical(const QRectF &r, const QColor &top, const QColor &bottom);
QPen Outline(double w, const QColor &c = Navy);
// A raised shape: gradient fill, light inner edge top-left, shade
// bottom-right, navy outline.
void Bevel(QPainter &p, const QPainterPath &path, const QColor &base, double edge, double outline);
// Text as a path, outlined then filled, so it reads on any table.
void OutlinedText(QPainter &p, const QPointF &baseline, const QFont &font, const QString &text,
                  const QBrush &fill, double outline, const QColor &outlineColour = Navy);
QFont Font(const QString &family, double px, bool bold, bool italic = false);
// Text centred horizontally on cx, baseline at y.
void CentredText(QPainter &p, double cx, double y, const QFont &font, const QString &text, const QBrush &fill,
                 double outline);
// The plaque the overlays sit on: deep blue glass with a gold rim.
void Plaque(QPainter &p, const QRectF &r, double radius, double rim);
// A jigsaw piece over `body`; each side +1 knob out, -1 in, 0 flat.
QPainterPath Piece(const QRectF &body, int top, int right, int bottom, int left);
