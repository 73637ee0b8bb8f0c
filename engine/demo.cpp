#include "engine/device_engine.h"

namespace engine {

void DeviceEngine::DoDemoStep() {
    // The demonstration plays on the clock's board only. The alarm can be set
    // from a game over, whose board stays: its time steps must not walk that
    // diver into a new catch, which would count the misses past the game over.
    if (GameMode) return;
    // At sub-step 8 the grab still has to finish (8 + 1 folds back to 5), so
    // the treasure counts as carried only from place 5 on.
    const bool carrying = DiverLoad == 2 && DiverPos != 8;
    const bool lastUnloadCount = DiverPos == 0 && DiverLoad == 2 && BoatUnload == 1;
    if (carrying && !lastUnloadCount) {
        if (BoatUnload > 1)
            DoUnloadStep();
        else
            DoDiverBack();
    } else {
        // The demonstration ends the unload itself: the unload's own last
        // count would ask for the game's pace, which the clock must not change.
        if (lastUnloadCount) {
            BoatUnload = 0;
            DiverLoad = 0;
        }
        DoDiverForward();
    }
    for (int i = 0; i < 4; ++i) DoTentacleTurn();
}

}  // namespace engine
