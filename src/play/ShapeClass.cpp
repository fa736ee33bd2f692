#include "play/ShapeClass.h"

#include <QStringList>
#include <array>

namespace {

// Sides as bits in grid directions: right 1, down 2, left 4, up 8.
constexpr int Right = 1, Down = 2, Left = 4, Up = 8;

// The inner pieces' tab patterns in the order of their classes when pieces
// may not turn: by the number of tabs, then round from the top.
constexpr std::array<int, 16> FixedOrder = {
    0,                                                            // none
    Up, Right, Down, Left,                                        // one
    Up | Right, Right | Down, Down | Left, Left | Up,             // two side by side
    Up | Down, Right | Left,                                      // two opposite
    Right | Down | Left, Up | Down | Left, Up | Right | Left, Up | Right | Down, // three
    Up | Right | Down | Left,                                     // four
};

int Bits(const TPieceSides &sides)
{
    int bits = 0;
    for (int d = 0; d < 4; ++d)
        if (sides[size_t(d)] == TSide::Tab)
            bits |= 1 << d;
    return bits;
}

int TurningClassOf(int bits)
{
    const int tabs = __builtin_popcount(unsigned(bits));
    if (tabs < 2)
        return tabs;
    if (tabs == 2)
        return (bits == (Up | Down) || bits == (Right | Left)) ? 3 : 2;
    return tabs + 1;
}

QString SideList(int bits)
{
    static const char *const names[4] = {"справа", "снизу", "слева", "сверху"};
    QStringList parts;
    for (int d : {3, 0, 1, 2})
        if (bits & (1 << d))
            parts << QString::fromUtf8(names[d]);
    return parts.size() == 1 ? parts[0] : parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + " и " + parts.back();
}

QString FixedName(int bits)
{
    static const char *const sidesOf[4] = {"правой", "нижней", "левой", "верхней"};
    const int tabs = __builtin_popcount(unsigned(bits));
    if (tabs == 0)
        return QStringLiteral("Без выступов");
    if (tabs == 4)
        return QStringLiteral("Выступы со всех сторон");
    if (tabs == 3) {
        const int missing = __builtin_ctz(unsigned(~bits & 15));
        return QStringLiteral("Выступы со всех сторон, кроме ") + QString::fromUtf8(sidesOf[missing]);
    }
    return (tabs == 1 ? QStringLiteral("Выступ ") : QStringLiteral("Выступы ")) + SideList(bits);
}

} // namespace

int ShapeClassCount(bool turning) { return 2 + (turning ? 6 : int(FixedOrder.size())); }

int ShapeClassOfSides(const TPieceSides &sides, bool turning)
{
    int flats = 0;
    for (const TSide s : sides)
        flats += s == TSide::Flat;
    if (flats >= 2)
        return CornerClass;
    if (flats == 1)
        return EdgeClass;
    const int bits = Bits(sides);
    if (turning)
        return 2 + TurningClassOf(bits);
    for (size_t k = 0; k < FixedOrder.size(); ++k)
        if (FixedOrder[k] == bits)
            return 2 + int(k);
    return -1;
}

int ShapeClassOf(const Board &b, int piece, bool turning)
{
    if (piece < 0 || piece >= b.Pieces.Count())
        return -1;
    const Tpiece &p = b.Pieces[piece];
    const TTabLayout &layout = TabLayoutOf(b.SizeIndex);
    if (p.Col < 0 || p.Row < 0 || p.Col >= layout.Cols() || p.Row >= layout.Rows())
        return -1;
    return ShapeClassOfSides(MirroredSides(layout, p.Col, p.Row, b.FlipHor != 0, b.FlipVer != 0), turning);
}

QString ShapeClassName(int cls, bool turning)
{
    if (cls == CornerClass)
        return QStringLiteral("Углы");
    if (cls == EdgeClass)
        return QStringLiteral("Края");
    if (cls < 2 || cls >= ShapeClassCount(turning))
        return {};
    if (turning) {
        static const char *const names[6] = {"Без выступов",      "Один выступ",  "Два выступа рядом",
                                             "Два выступа напротив", "Три выступа", "Четыре выступа"};
        return QString::fromUtf8(names[cls - 2]);
    }
    return FixedName(FixedOrder[size_t(cls - 2)]);
}
