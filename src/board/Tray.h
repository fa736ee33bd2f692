// A tray beside the table: pieces put aside by the player (or sorted there
// by colour or shape), off the table until taken out again.  The pieces of
// a tray keep their table place, turn and group; they are neither drawn on
// the table nor picked nor joined there while they lie in the tray.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

constexpr int MaxTrays = 9;
// A tray's name is a short caption of its panel.
constexpr int MaxTrayNameChars = 40;

struct TTray {
    QString Name;            // "Лоток 1" .. "Лоток 9" unless renamed
    std::vector<int> Pieces; // piece indices in the order they came
    int32_t Swatch = -1;     // 0xRRGGBB of the colour the tray was sorted by, -1 none
};

// "Лоток k+1" for tray k.
QString DefaultTrayName(int tray);
// MaxTrays empty trays with their default names.
std::vector<TTray> DefaultTrays();
// Whether the trays are as a new game has them: empty, their own names, no
// swatch.
bool TraysAreDefault(const std::vector<TTray> &trays);
