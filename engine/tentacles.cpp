#include "engine/device_engine.h"
#include "engine/diver_frame.h"

namespace engine {

namespace {

// The draws, in single precision as the device computes them.

// A tentacle that is in starts out: Int(r * 5) <= 2, three chances in five.
bool startChance(float r) {
    const float x = r * 5.0f;
    return x < 3.0f;
}

// The branch of the first arm: Int(r + r), 0 or 1.
int branch(float r) {
    const float x = r + r;
    return x >= 1.0f ? 1 : 0;
}

// GAME B's reversal at one segment: Int(r * 10) = 0, one chance in ten.
bool reversal(float r) {
    const float x = r * 10.0f;
    return x >= 0.0f && x < 1.0f;
}

}  // namespace

void DeviceEngine::DoTentacleTurn() {
    forms::Random& random = services_.random;
    // Both start chances are drawn on every turn, used or not, so that the
    // sequence of draws does not depend on the board.
    const bool chanceA = startChance(random.next());
    const bool chanceB = startChance(random.next());

    int t = TentacleTurn <= 4 ? TentacleTurn : 0;
    const bool firstArm = t <= 1;
    const bool armIn = TentacleLength[0] == 0 && TentacleLength[1] == 0;
    bool tipOnDiver = false;

    const bool moves = TentacleLength[t] > 0 || (firstArm ? armIn && chanceB : chanceA);
    bool rests = false;
    if (moves && firstArm && armIn) {
        if (FirstArmWait == 0) {
            // The first arm rests one start before a branch goes out.
            FirstArmWait = 1;
            rests = true;
        } else {
            t = branch(random.next());
            TentacleTurn = static_cast<uint8_t>(t);
            FirstArmWait = 0;
        }
    }

    if (moves && !rests) {
        const uint8_t length = TentacleLength[t];
        if (TentacleRetracting[t] == 0) {
            if (PictureElement* segment = TentacleSegment(t, length)) segment->show();
            TentacleLength[t] = static_cast<uint8_t>(length + 1);
            if (TentacleLength[t] >= TentacleMax[t]) {
                TentacleReach[t] = 1;
                if (diverPlace(DiverPos) == t + 1) {
                    // The tip lands on the diver: he is drawn with it, and the
                    // turn keeps quiet for the catch that follows.
                    drawDiverFrame(*this);
                    tipOnDiver = true;
                    if (BonusFlash == 0) beginCatch(*this);
                }
                TentacleRetracting[t] = 1;
            } else {
                TentacleReach[t] = 0;
            }
        } else {
            // Drawn on every shrinking turn, whatever the game.
            const float r4 = random.next();
            if (length == 1 && CurrentGame == GameB && reversal(r4)) {
                TentacleRetracting[t] = 0;
            } else if (length > 0) {
                TentacleLength[t] = static_cast<uint8_t>(length - 1);
                if (PictureElement* segment = TentacleSegment(t, TentacleLength[t])) segment->hide();
                // Once a branch is fully in, the arm rests before the next.
                if (t <= 1) FirstArmWait = 0;
                TentacleReach[t] = 0;
                if (TentacleLength[t] == 0) TentacleRetracting[t] = 0;
            } else {
                TentacleRetracting[t] = 0;  // nothing left to pull back
            }
        }
    }

    if (BoatUnload == 0 && !tipOnDiver) DoPlaySound("Beep0.wav");
    TentacleTurn = static_cast<uint8_t>(t == 4 ? 0 : t + 1);
}

}  // namespace engine
