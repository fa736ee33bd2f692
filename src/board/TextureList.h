// The long-lived textures: entry 0 is the table background (Id -1 = none),
// entries 1..17 the overlay artwork (corner plate, time panel, digits 0-9,
// colon, the cutting label, the progress fill, the record label, the pause
// plate).
#pragma once

#include <cstdint>
#include <vector>

struct TTexture {
    int32_t Id = -1;
};

using TTextureList = std::vector<TTexture>;

enum TextureRole {
    texBackground = 0,
    texCornerPlate = 1,
    texTimePanel = 2,
    texDigit0 = 3, // texDigit0 + d for digit d
    texColon = 13,
    texCuttingLabel = 14,
    texProgressFill = 15,
    texRecordLabel = 16,
    texPausePlate = 17,
};

// The overlay pictures, entries 1 up to this count.
constexpr int OverlayCount = texPausePlate;
