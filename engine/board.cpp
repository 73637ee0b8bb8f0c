#include "engine/device_engine.h"

namespace engine {

namespace {

// The steps that DoStartGame and DoResetGame share; a start also lights the
// game mark, enters game mode and shows the score.
void resetBoard(DeviceEngine& d, bool start) {
    if (start) d.DoShowGameType(d.CurrentGame);
    d.MissPic->hide();
    d.Arm->hide();
    d.Legs->hide();
    if (start) d.GameMode = true;
    d.DiverLoad = 0;
    d.BonusFlash = 0;
    d.FirstArmWait = 0;
    for (int t = 0; t <= 4; ++t) {
        d.TentacleReach[t] = 0;
        d.TentacleRetracting[t] = 0;
        d.DiverStep[t + 1]->hide();
        for (int k = d.TentacleLength[t] - 1; k >= 0; --k)
            if (PictureElement* segment = d.TentacleSegment(t, k)) segment->hide();
        d.TentacleLength[t] = 0;
    }
    d.TentacleTurn = 0;
    d.BoatUnload = 0;
    d.DiverPos = 0;
    d.IdleCountdown = 10;
    d.SecondCounter = 0;
    d.Score = 0;
    d.CaughtCounter = 0;
    if (start) d.DoShowScore(d.Score);
    d.DoCheckSpeed();
    d.Misses = 0;
    d.DoNextDiver();
    d.DoShowReserve();
}

void standOnTheBoat(DeviceEngine& d) {
    d.DiverStep[0]->setPicture(d.OnTheBoat[0]->picture());
    d.DiverStep[0]->show();
}

}  // namespace

void DeviceEngine::DoStartGame() {
    if (GameMode) return;
    resetBoard(*this, true);
}

void DeviceEngine::DoResetGame() {
    if (GameMode) return;
    resetBoard(*this, false);
}

void DeviceEngine::DoEndGame() {
    if (!GameMode) return;
    // One last catch step tidies the board: it hides the caught diver and
    // puts the boat back together.
    CaughtCounter = 1;
    GameMode = false;
    ScoreShown = false;
    SetInterval(50);
    CurrentGame = NoGame;
    DoShowGameType(NoGame);
    Misses = 0;
    Score = 0;
    BoatUnload = 0;
    SecondCounter = 0;
}

void DeviceEngine::DoShowReserve() {
    if (Misses <= 2) standOnTheBoat(*this);
    switch (Misses) {
        case 0:
            Remainder0->show();
            Remainder1->show();
            break;
        case 1:
            Remainder0->hide();
            Remainder1->show();
            DoClearPath();
            break;
        case 2:
            Remainder0->hide();
            Remainder1->hide();
            DoClearPath();
            break;
        case 3:
            DoSaveHighScore();
            if (GameMode) {
                // Game over: the caught diver stays and struggles on.
                CaughtCounter = 7;
                Misses = 4;
                SecondCounter = 0;
            } else {
                // The demonstration simply starts over; the tentacles go on.
                MissPic->hide();
                Arm->hide();
                Legs->hide();
                DiverLoad = 0;
                IdleCountdown = 10;
                SecondCounter = 0;
                Remainder0->show();
                Remainder1->show();
                standOnTheBoat(*this);
                BoatUnload = 0;
                Misses = 0;
                DoClearPath();
            }
            break;
        default: break;
    }
}

void DeviceEngine::DoNextDiver() {
    if (Misses != 1 && Misses != 2) return;
    Remainder1->hide();  // the inner reserve diver takes the boat
    standOnTheBoat(*this);
}

void DeviceEngine::DoClearPath() {
    for (int place = 1; place <= 5; ++place) DiverStep[place]->hide();
    DiverPos = 0;
}

}  // namespace engine
