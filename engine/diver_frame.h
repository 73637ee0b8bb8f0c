#pragma once

// How the diver is drawn on his place; shared by his own moves and by the
// tentacle whose tip lands on him.

#include <algorithm>
#include <cassert>
#include <cstddef>

#include "engine/device_engine.h"

namespace engine {

// The place a diver position is drawn on: the chest's sub-steps 6 to 8 share
// place 5.
inline uint8_t diverPlace(uint8_t pos) {
    return std::min<uint8_t>(pos, 5);
}

// Gives the diver's place (position 1 to 8) the frame of his position: four
// frames a position, then +2 when he carries the treasure and +1 when a
// tentacle tip lies on his place. Whether the place is shown is left alone.
inline void drawDiverFrame(DeviceEngine& d) {
    if (d.DiverPos == 0) return;  // the boat has pictures of its own
    const uint8_t place = diverPlace(d.DiverPos);
    const size_t frame = static_cast<size_t>((d.DiverPos - 1) * 4 + d.DiverLoad + d.TentacleReach[place - 1]);
    assert(d.DiverPos <= 8 && (d.DiverLoad == 0 || d.DiverLoad == 2) && d.TentacleReach[place - 1] <= 1);
    d.DiverStep[place]->setPicture(d.Diver[std::min<size_t>(frame, d.Diver.size() - 1)]->picture());
}

// A catch begins: the full sequence in a game, the shorter one on the clock.
inline void beginCatch(DeviceEngine& d) {
    d.CaughtCounter = d.GameMode ? 11 : 9;
}

}  // namespace engine
