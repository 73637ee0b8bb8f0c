#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/window_commands.h"
#include "forms/element.h"
#include "forms/scene.h"
#include "forms/services.h"

namespace engine {

using forms::PictureElement;

// The code held in PressedButton.
enum DeviceButton : int16_t {
    ButtonNone = -1,
    ButtonOutside = 0,
    ButtonGameA = 1,
    ButtonGameB = 2,
    ButtonTime = 3,
    ButtonLeft = 4,
    ButtonRight = 5,
    ButtonAlarm = 6,
    ButtonACL = 7,
    ButtonLogo = 8,
};

// The value of CurrentGame.
enum GameKind : uint8_t { NoGame = 0, GameA = 1, GameB = 2 };

// The value of AlarmSetMode.
enum AlarmSetStage : uint8_t { AlarmSetOff = 0, AlarmSetPreview = 1, AlarmSetEditing = 2 };

// The services the device runs on.
struct EngineServices {
    forms::Timer& timer;
    forms::SettingsStore& settings;
    forms::Clock& clock;
    forms::SoundPlayer& sound;
    forms::FileSystem& files;
    forms::Cursor& cursor;
    forms::Random& random;
};

// Client area of the device window, in pixels.
inline constexpr int kDeviceWidth = 333;
inline constexpr int kDeviceHeight = 198;

// The device itself: its state, its pictures, its tick and every procedure of
// its rules. Fields and procedures keep the names of the device's design; they
// are public so that the window, the dialogs and the tests reach them directly.
// The methods are spread over one file per topic.
class DeviceEngine {
public:
    DeviceEngine(EngineServices services, WindowCommands& window);
    DeviceEngine(const DeviceEngine&) = delete;
    DeviceEngine& operator=(const DeviceEngine&) = delete;

    forms::Scene& scene() { return scene_; }
    const forms::Scene& scene() const { return scene_; }
    EngineServices& services() { return services_; }

    // ---- Device state, in the device's order ----------------------------
    uint8_t TentacleTurn = 0;
    int16_t DragX = 0;
    int16_t DragY = 0;
    bool Dragging = false;
    int16_t PressedButton = ButtonNone;
    uint8_t CurrentGame = NoGame;
    bool KeyHeld = false;
    uint8_t DiverLoad = 0;
    std::array<uint8_t, 6> TentacleReach{};       // 0..4 used
    std::array<uint8_t, 6> TentacleRetracting{};  // 0..4 used
    std::array<uint8_t, 6> TentacleLength{};      // 0..4 used
    std::array<uint8_t, 6> TentacleMax{3, 4, 5, 4, 3, 0};
    uint8_t DiverPos = 0;
    int16_t Score = 0;
    uint8_t Misses = 0;
    bool GameMode = false;
    uint8_t LastSecond = 0;
    uint8_t BoatUnload = 0;
    int16_t SecondCounter = 0;
    bool ScoreShown = false;
    uint8_t IdleCountdown = 10;
    uint8_t CaughtCounter = 0;
    uint8_t BonusFlash = 0;
    uint8_t FirstArmWait = 0;
    uint8_t AlarmSetMode = AlarmSetOff;
    uint8_t TimeSetMode = 0;
    std::string SetTimeText;
    bool AlarmOn = false;
    uint8_t RepeatCount = 0;
    bool AlarmSilenced = false;
    bool AlarmRinging = false;

    // ---- Pictures ---------------------------------------------------------
    PictureElement* FrontCase = nullptr;
    PictureElement* BackCase = nullptr;
    PictureElement* ResetScreen = nullptr;
    PictureElement* am = nullptr;
    PictureElement* pm = nullptr;
    std::array<PictureElement*, 2> HourDigit{};
    PictureElement* Colon = nullptr;
    std::array<PictureElement*, 2> MinuteDigit{};
    PictureElement* Note = nullptr;
    std::array<PictureElement*, 2> Alarm{};
    PictureElement* BabyDrellok = nullptr;
    std::array<PictureElement*, 2> GameType{};
    std::array<PictureElement*, 6> DiverStep{};
    PictureElement* Remainder0 = nullptr;
    PictureElement* Remainder1 = nullptr;
    PictureElement* MissPic = nullptr;
    PictureElement* Arm = nullptr;
    PictureElement* Legs = nullptr;
    std::array<PictureElement*, 3> Drellok{};
    PictureElement* Treasure = nullptr;
    std::array<PictureElement*, 3> Tentacle0{};
    std::array<PictureElement*, 4> Tentacle1{};
    std::array<PictureElement*, 5> Tentacle2{};
    std::array<PictureElement*, 4> Tentacle3{};
    std::array<PictureElement*, 3> Tentacle4{};
    // Button hot zones and the logo.
    PictureElement* GameAButton = nullptr;
    PictureElement* GameBButton = nullptr;
    PictureElement* TimeButton = nullptr;
    PictureElement* LeftButton = nullptr;
    PictureElement* RightButton = nullptr;
    PictureElement* AlarmButton = nullptr;
    PictureElement* ACLButton = nullptr;
    PictureElement* Logo = nullptr;
    // Hidden picture stores.
    std::array<PictureElement*, 10> Number{};
    std::array<PictureElement*, 32> Diver{};
    std::array<PictureElement*, 2> OnTheBoat{};
    std::array<PictureElement*, 2> TempArm{};
    std::array<PictureElement*, 2> TempLegs{};
    std::array<PictureElement*, 2> Button0{};
    std::array<PictureElement*, 2> Button1{};
    std::array<PictureElement*, 2> Button2{};
    std::array<PictureElement*, 2> VistrelLogo{};

    // Segment k of tentacle t (0..4); null outside the tentacle.
    PictureElement* TentacleSegment(int t, int k) const;
    // The hot-zone picture and the look store of a device button (1..8).
    PictureElement* ButtonImage(int16_t code) const;
    const std::array<PictureElement*, 2>& ButtonStore(int16_t code) const;
    // Whether a button's image holds its store's pressed (index 1) or
    // released (index 0) picture.
    bool ShowsPressed(int16_t code) const;
    bool ShowsReleased(int16_t code) const;
    void GiveLook(int16_t code, int index);

    // ---- Start-up support (the window's load runs these) ----------------
    void SetStartValues();   // the start values of every field
    void ShowNormalLooks();  // each button gets its released look

    // ---- Main tick (tick.cpp) ----------------------------------------------
    void Timer1_Timer();
    // Asked after a tick: whether further ticks change nothing until the
    // seconds of the device's clock change, so that they may be skipped.
    bool quietUntilNextSecond() const;

    // ---- Clock face (clock_face.cpp) ---------------------------------------
    void DoShowTime(const std::string& TimeText);
    void DoShowScore(int16_t Points);
    void DoShowGameType(int16_t Kind);
    void DoClockTick();

    // ---- Device buttons (buttons.cpp) -----------------------------------
    // The press and release of a hot zone's picture (code 1..8), with the
    // mouse button that changed; the logo's hover with the buttons held.
    void ButtonMouseDown(int16_t code, int16_t Button);
    void ButtonMouseUp(int16_t code, int16_t Button);
    void Logo_MouseMove(int16_t Button);
    void DoTrackButtons();

    // ---- Button release actions (button_release.cpp) -----------------------
    void DoButtonUp();

    // ---- Game board (board.cpp) -------------------------------------------
    void DoStartGame();
    void DoResetGame();
    void DoEndGame();
    void DoShowReserve();
    void DoNextDiver();
    void DoClearPath();

    // ---- Tentacles (tentacles.cpp) ----------------------------------------
    void DoTentacleTurn();

    // ---- Catch sequence and bonus flash (catch_sequence.cpp) --------------
    void DoMissStep();
    void DoBonusFlash();

    // ---- Game speed (speed.cpp) -------------------------------------------
    void DoCheckSpeed();

    // ---- Alarm and time setting (alarm.cpp) --------------------------------
    void DoCheckAlarm();
    void DoSilenceAlarm();
    void DoAdvanceTime(bool IsHour);

    // ---- Demonstration (demo.cpp) -------------------------------------------
    void DoDemoStep();

    // ---- Sound (sound.cpp) ---------------------------------------------------
    void DoPlaySound(const std::string& SoundFile);
    bool FileExists(const std::string& Filename) const;
    // The path of a sound file in the program's folder, with one separator.
    std::string SoundPath(const std::string& SoundFile) const;

    // ---- Keyboard (keyboard.cpp) -------------------------------------------
    void Form_KeyDown(int16_t KeyCode, int16_t Shift);
    void Form_KeyUp(int16_t KeyCode, int16_t Shift);

    // ---- Diver movement and scoring (diver.cpp) ----------------------------
    void DoDiverForward();
    void DoDiverBack();
    void DoUnloadStep();
    void DoAddPoint();
    void DoSaveHighScore();

    // ---- Shared helpers (device_engine.cpp) ---------------------------------
    // The current local time as "hhmmss AMPM".
    std::string NowText() const;
    // A game is in play: GameMode and not the game-over state.
    bool GameInPlay() const { return GameMode && Misses != 4; }
    // Stored values as the previews read them; unconvertible text reads as
    // the default (0, False).
    int16_t StoredHighScore(uint8_t game) const;
    bool StoredAlarmOn() const;
    void SetInterval(int32_t ms) { services_.timer.setInterval(ms); }
    int32_t Interval() const { return services_.timer.interval(); }

    WindowCommands& Window() { return window_; }

private:
    void BuildPictures();

    EngineServices services_;
    WindowCommands& window_;
    forms::Scene scene_;
};

}  // namespace engine
