#include "engine/device_engine.h"

#include "forms/convert.h"
#include "forms/time_text.h"

namespace engine {

DeviceEngine::DeviceEngine(EngineServices services, WindowCommands& window)
    : services_(services), window_(window), scene_(kDeviceWidth, kDeviceHeight) {
    BuildPictures();
}

PictureElement* DeviceEngine::TentacleSegment(int t, int k) const {
    auto pick = [k](const auto& array) -> PictureElement* {
        return k >= 0 && static_cast<size_t>(k) < array.size() ? array[static_cast<size_t>(k)] : nullptr;
    };
    switch (t) {
        case 0: return pick(Tentacle0);
        case 1: return pick(Tentacle1);
        case 2: return pick(Tentacle2);
        case 3: return pick(Tentacle3);
        case 4: return pick(Tentacle4);
        default: return nullptr;
    }
}

PictureElement* DeviceEngine::ButtonImage(int16_t code) const {
    switch (code) {
        case ButtonGameA: return GameAButton;
        case ButtonGameB: return GameBButton;
        case ButtonTime: return TimeButton;
        case ButtonLeft: return LeftButton;
        case ButtonRight: return RightButton;
        case ButtonAlarm: return AlarmButton;
        case ButtonACL: return ACLButton;
        case ButtonLogo: return Logo;
        default: return nullptr;
    }
}

const std::array<PictureElement*, 2>& DeviceEngine::ButtonStore(int16_t code) const {
    switch (code) {
        case ButtonLeft:
        case ButtonRight: return Button1;
        case ButtonAlarm:
        case ButtonACL: return Button2;
        case ButtonLogo: return VistrelLogo;
        default: return Button0;
    }
}

bool DeviceEngine::ShowsPressed(int16_t code) const {
    const PictureElement* image = ButtonImage(code);
    return image != nullptr && image->holds(ButtonStore(code)[1]->picture());
}

bool DeviceEngine::ShowsReleased(int16_t code) const {
    const PictureElement* image = ButtonImage(code);
    return image != nullptr && image->holds(ButtonStore(code)[0]->picture());
}

void DeviceEngine::GiveLook(int16_t code, int index) {
    if (PictureElement* image = ButtonImage(code))
        image->setPicture(ButtonStore(code)[static_cast<size_t>(index)]->picture());
}

void DeviceEngine::SetStartValues() {
    PressedButton = ButtonNone;
    CurrentGame = NoGame;
    KeyHeld = false;
    DiverLoad = 0;
    BonusFlash = 0;
    FirstArmWait = 0;
    AlarmSetMode = AlarmSetOff;
    TimeSetMode = 0;
    RepeatCount = 0;
    BackCase->moveTo({FrontCase->rect().x, FrontCase->rect().y});
    AlarmSilenced = false;
    AlarmRinging = false;
    for (int t = 0; t <= 4; ++t) {
        TentacleReach[t] = 0;
        TentacleRetracting[t] = 0;
        TentacleLength[t] = 0;
    }
    TentacleMax = {3, 4, 5, 4, 3, 0};
    TentacleTurn = 0;
    DiverPos = 0;
    IdleCountdown = 10;
    CaughtCounter = 0;
    Score = 0;
    Misses = 0;
    GameMode = false;
    SecondCounter = 0;
    ScoreShown = false;
}

void DeviceEngine::ShowNormalLooks() {
    for (int16_t code = ButtonGameA; code <= ButtonLogo; ++code) GiveLook(code, 0);
}

std::string DeviceEngine::NowText() const {
    return forms::timeText(services_.clock.now());
}

int16_t DeviceEngine::StoredHighScore(uint8_t game) const {
    const char* key = game == GameB ? "Game B High Score" : "Game A High Score";
    // A best score outside the three digits reads as the default, like any
    // stored text that does not convert.
    const int16_t v = forms::toInteger(services_.settings.get(key), 0);
    return v >= 0 && v <= 999 ? v : 0;
}

bool DeviceEngine::StoredAlarmOn() const {
    return forms::toBoolean(services_.settings.get("Alarm On"), false);
}

}  // namespace engine
