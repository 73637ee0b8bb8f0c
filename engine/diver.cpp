#include "engine/device_engine.h"
#include "engine/diver_frame.h"
#include "forms/convert.h"

namespace engine {

namespace {

enum class Move { Walk, Grab };

// The diver's side of a catch: he has just been drawn on a place where a
// tentacle may lie at full length. A walk is never caught in the setting
// modes, where the demonstration moves along with each time step.
void catchTest(DeviceEngine& d, Move move) {
    const uint8_t place = diverPlace(d.DiverPos);
    if (place == 0 || d.TentacleReach[place - 1] != 1 || d.BonusFlash != 0) return;
    if (move == Move::Walk && (d.AlarmSetMode != AlarmSetOff || d.TimeSetMode != 0)) return;
    beginCatch(d);
}

}  // namespace

void DeviceEngine::DoDiverForward() {
    IdleCountdown = 0;
    if (DiverPos <= 4) {
        DiverStep[DiverPos]->hide();
        ++DiverPos;
        drawDiverFrame(*this);
        DiverStep[DiverPos]->show();
        catchTest(*this, Move::Walk);
        return;
    }
    // At the chest: one sub-step of the grab, which waits out a bonus blink.
    if (BonusFlash != 0) return;
    ++DiverPos;
    if (DiverPos == 9) {
        DiverPos = 5;
    } else if (DiverPos == 8) {
        DiverLoad = 2;
        if (GameMode && CaughtCounter == 0) {
            DoPlaySound("Beep1.wav");
            DoAddPoint();
        }
    }
    drawDiverFrame(*this);
    catchTest(*this, Move::Grab);
}

void DeviceEngine::DoDiverBack() {
    if (DiverPos == 0) return;
    // Giving up a grab: he keeps the treasure if he already lifted it, and
    // walks from place 5 in the same move.
    if (DiverPos > 5) DiverPos = 5;
    if (DiverPos >= 2) {
        DiverStep[DiverPos]->hide();
        --DiverPos;
        drawDiverFrame(*this);
        DiverStep[DiverPos]->show();
        catchTest(*this, Move::Walk);
        return;
    }
    // Place 1: only a diver with the treasure boards, and not during a blink.
    if (DiverLoad != 2 || BonusFlash != 0) return;
    DiverStep[1]->hide();
    DiverPos = 0;
    BoatUnload = 4;
    DiverStep[0]->setPicture(OnTheBoat[1]->picture());
    DiverStep[0]->show();
}

void DeviceEngine::DoUnloadStep() {
    if (BoatUnload == 0) return;
    --BoatUnload;
    IdleCountdown = 10;
    if (BoatUnload > 0) {
        DoAddPoint();
        // Tested after the point: the point that gives a bonus beeps as a bonus.
        if (BonusFlash == 0) DoPlaySound("Beep1.wav");
    } else {
        DiverLoad = 0;
        DoCheckSpeed();  // back from the unload's pace to the game's
    }
    DiverStep[diverPlace(DiverPos)]->setPicture(OnTheBoat[BoatUnload == 2 ? 1 : 0]->picture());
}

void DeviceEngine::DoAddPoint() {
    if (CaughtCounter != 0 || !GameMode) return;
    if (Score == 999) {
        DoSaveHighScore();  // the best is kept before the score starts again
        Score = 1;
    } else {
        ++Score;
    }
    DoShowScore(Score);
    if (Score == 200 || Score == 500) {
        // The lost divers come back; the blink that follows forgives the misses.
        if (Misses == 1) {
            Remainder0->show();
        } else if (Misses == 2) {
            Remainder0->show();
            Remainder1->show();
        }
        DoPlaySound("Beep3.wav");
        BonusFlash = 16;
    }
    DoCheckSpeed();
}

void DeviceEngine::DoSaveHighScore() {
    // A stored best that is not a number (a store edited by hand) reads as 0,
    // the value start-up writes and the best-score preview shows, so the next
    // real score replaces it. Any number, however odd, is only ever replaced
    // by a greater score.
    const auto stored = [this](const char* key) { return forms::toDouble(services_.settings.get(key), 0.0); };
    const double score = Score;
    if (stored("Game A High Score") < score && CurrentGame == GameA) {
        services_.settings.write("Game A High Score", forms::numberText(Score));
        return;
    }
    if (stored("Game B High Score") < score && CurrentGame == GameB)
        services_.settings.write("Game B High Score", forms::numberText(Score));
}

}  // namespace engine
