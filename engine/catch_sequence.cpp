#include "engine/device_engine.h"

namespace engine {

namespace {

// The caught diver's two poses: arm and legs from their stores.
void setPose(DeviceEngine& d, size_t pose) {
    d.Arm->setPicture(d.TempArm[pose]->picture());
    d.Legs->setPicture(d.TempLegs[pose]->picture());
}

// The creature takes hold of the diver: tentacle 2 is held at exactly its two
// inner segments, tentacle 3 at two or more. Their directions stay as they were.
void holdDiver(DeviceEngine& d) {
    d.Tentacle2[0]->show();
    d.Tentacle2[1]->show();
    for (size_t k = 2; k < d.Tentacle2.size(); ++k) d.Tentacle2[k]->hide();
    d.TentacleLength[2] = 2;
    d.TentacleReach[2] = 0;
    if (d.TentacleLength[3] < 2) {
        d.Tentacle3[0]->show();
        d.Tentacle3[1]->show();
        d.TentacleLength[3] = 2;
        d.TentacleReach[3] = 0;
    }
}

}  // namespace

void DeviceEngine::DoMissStep() {
    if (CaughtCounter == 0) return;
    --CaughtCounter;
    switch (CaughtCounter) {
        case 10:
            DoPlaySound("Beep2.wav");
            DoCheckSpeed();  // the rest of the sequence runs at the diver's pace
            break;
        case 9: break;  // a moment's pause
        case 8:
            ++Misses;
            DoNextDiver();
            DiverStep[DiverPos < 5 ? DiverPos : 5]->hide();
            MissPic->show();
            setPose(*this, 0);
            Arm->show();
            Legs->show();
            holdDiver(*this);
            break;
        case 7:
        case 5:
        case 3:
        case 1:
            setPose(*this, 1);
            if (Misses == 4)
                CaughtCounter = 7;  // game over: he struggles on, silently
            else
                DoPlaySound("Beep1.wav");
            break;
        case 6:
        case 4:
        case 2:
            setPose(*this, 0);
            if (Misses <= 3) DoPlaySound("Beep1.wav");
            if (Misses == 1 && CaughtCounter == 4) {
                // The one reserve diver left moves up to the inner place.
                Remainder0->hide();
                Remainder1->show();
            }
            break;
        case 0:
            // After a third miss the caught diver stays on the LCD for the
            // game-over state.
            if (Misses < 3) {
                MissPic->hide();
                Arm->hide();
                Legs->hide();
                DiverLoad = 0;  // the treasure is lost with him
                IdleCountdown = 10;
                SecondCounter = 0;
            }
            DoShowReserve();
            DoCheckSpeed();
            break;
        default: break;
    }
}

void DeviceEngine::DoBonusFlash() {
    if (BonusFlash == 0) return;
    --BonusFlash;
    if (Misses == 1) {
        Remainder0->toggleVisible();
    } else if (Misses == 2) {
        Remainder0->toggleVisible();
        Remainder1->toggleVisible();
    }
    if (Remainder0->visible()) DoPlaySound("Beep3.wav");
    if (BonusFlash == 0) Misses = 0;  // the lost divers are forgiven
}

}  // namespace engine
