// How pieces look: pressed card with a relief along the rim (the emboss style) and a thickness
// band below and to the right (the wood style: a wooden edge of the wood colour, or a shadow).
#pragma once

#include <cstdint>

namespace kirvo {

enum EmbossStyle : int { kEmbossNone = 0, kEmbossPaper = 1, kEmbossCardboard = 2, kEmbossFatCard = 3 };
enum WoodStyle : int { kWoodNone = 0, kWoodEdge = 1, kWoodShadow = 2 };

struct PieceLook {
    int embossStyle = kEmbossNone;
    int woodStyle = kWoodNone;
    uint32_t woodColor = 0x49687A;  // 0x00BBGGRR
    int edgeWidth = 0;              // pixels of band: EdgeWidth(woodStyle) once the effects are applied
};

inline bool HasEffects(const PieceLook& look) { return look.embossStyle != kEmbossNone || look.woodStyle != kWoodNone; }

// 0 without wood, 3 for the wooden edge, 5 for the shadow; any other style keeps the width given,
// held to 0 .. kMaxEdgeDepth, the depths an edge buffer can store.
int EdgeWidth(int woodStyle, int current);

}  // namespace kirvo
