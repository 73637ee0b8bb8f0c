// The pictures of the device window, listed once: name, index, rectangle in
// client pixels, shown and enabled at creation, tooltip, mouse role and the
// picture held at creation. Rows run from the top of the stack to the bottom.
#include <cstddef>
#include <stdexcept>

#include "engine/device_engine.h"

namespace engine {

namespace {

using forms::MouseRole;

struct Row {
    const char* name;
    int index;
    int x, y, w, h;
    bool shown;
    bool enabled;
    const char* tooltip;
    MouseRole role;
    int16_t tag;          // the device button of a hot zone
    const char* picture;  // the picture held at creation: "" none, "*" its own
};

constexpr MouseRole S = MouseRole::Segment;
constexpr MouseRole C = MouseRole::Case;
constexpr MouseRole B = MouseRole::Button;
constexpr MouseRole N = MouseRole::None;
constexpr MouseRole H = MouseRole::Store;

// Hidden picture stores lie below the client area.
constexpr int kStoreY = 200;

constexpr const char* kDiver = "Diver";
constexpr const char* kDrellokTip = "Drellok";
constexpr const char* kTimeTip = "Time/Score";
constexpr const char* kNoteTip = "Musical note symbol";
constexpr const char* kAboutTip = "About Vistrel Simulator";

// clang-format off
const Row kRows[] = {
    {"BackCase", -1, 126, 241, 333, 198, false, true, "", C, 0, "*"},
    {"ResetScreen", -1, 89, 51, 155, 97, false, false, "", N, 0, "*"},
    {"am", -1, 149, 52, 10, 6, false, false, "", N, 0, "*"},
    {"pm", -1, 149, 59, 10, 6, false, false, "", N, 0, "*"},
    {"Drellok", 2, 197, 100, 37, 8, true, true, kDrellokTip, S, 0, "*"},
    {"Drellok", 1, 180, 91, 59, 9, true, true, kDrellokTip, S, 0, "*"},
    {"Drellok", 0, 161, 75, 64, 16, true, true, kDrellokTip, S, 0, "*"},
    {"Treasure", -1, 214, 126, 30, 22, true, true, "Treasure", S, 0, "*"},
    {"Alarm", 1, 208, 64, 11, 6, false, true, kNoteTip, S, 0, "*"},
    {"Alarm", 0, 211, 51, 9, 5, false, true, kNoteTip, S, 0, "*"},
    {"Note", -1, 209, 56, 9, 8, false, true, kNoteTip, S, 0, "*"},
    {"BabyDrellok", -1, 221, 51, 23, 24, false, true, "Baby drellok", S, 0, "*"},
    {"Button2", 1, 0, kStoreY, 7, 7, false, false, "", H, 0, "*"},
    {"Button2", 0, 10, kStoreY, 7, 7, false, false, "", H, 0, "*"},
    {"TempLegs", 1, 20, kStoreY, 13, 17, false, false, "", H, 0, "*"},
    {"TempLegs", 0, 40, kStoreY, 13, 17, false, false, "", H, 0, "*"},
    {"TempArm", 1, 60, kStoreY, 8, 9, false, false, "", H, 0, "*"},
    {"TempArm", 0, 70, kStoreY, 8, 9, false, false, "", H, 0, "*"},
    {"Legs", -1, 178, 102, 13, 17, false, true, kDiver, S, 0, "TempLegs(0)"},
    {"Arm", -1, 163, 110, 8, 9, false, true, kDiver, S, 0, "TempArm(0)"},
    {"MissPic", -1, 159, 93, 16, 19, false, true, kDiver, S, 0, "*"},
    // Diver 28..31 and the digits follow in the design's order.
    {"Diver", 31, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 30, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 29, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 28, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Number", 9, 90, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 8, 100, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 7, 110, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 6, 120, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 5, 130, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 4, 140, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 3, 150, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 2, 160, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 1, 170, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"Number", 0, 180, kStoreY, 8, 13, false, false, "", H, 0, "*"},
    {"MinuteDigit", 1, 197, 52, 8, 13, false, true, kTimeTip, S, 0, ""},
    {"MinuteDigit", 0, 185, 52, 8, 13, false, true, kTimeTip, S, 0, ""},
    {"Colon", -1, 179, 52, 3, 13, false, true, kTimeTip, N, 0, "*"},
    {"HourDigit", 1, 169, 52, 8, 13, false, true, kTimeTip, S, 0, ""},
    {"HourDigit", 0, 158, 52, 8, 13, false, true, kTimeTip, S, 0, ""},
    // The path, from the treasure to the boat: each place above the tentacle
    // that reaches it.
    {"DiverStep", 5, 184, 123, 30, 21, false, true, kDiver, S, 0, "Diver(16)"},
    {"Tentacle4", 2, 208, 123, 6, 10, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle4", 1, 205, 117, 9, 5, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle4", 0, 201, 110, 10, 7, false, true, kDrellokTip, S, 0, "*"},
    {"DiverStep", 4, 157, 122, 20, 22, false, true, kDiver, S, 0, "Diver(12)"},
    {"Tentacle3", 3, 172, 122, 5, 8, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle3", 2, 173, 114, 6, 9, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle3", 1, 172, 109, 7, 7, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle3", 0, 172, 103, 10, 6, false, true, kDrellokTip, S, 0, "*"},
    {"DiverStep", 3, 129, 121, 23, 21, false, true, kDiver, S, 0, "Diver(8)"},
    {"Tentacle2", 4, 145, 121, 7, 8, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle2", 3, 149, 112, 6, 10, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle2", 2, 151, 105, 6, 10, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle2", 1, 152, 99, 9, 8, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle2", 0, 154, 93, 13, 5, false, true, kDrellokTip, S, 0, "*"},
    {"DiverStep", 2, 105, 104, 24, 26, false, true, kDiver, S, 0, "Diver(4)"},
    {"Tentacle1", 3, 121, 105, 8, 10, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle1", 2, 126, 96, 11, 8, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle1", 1, 130, 90, 11, 5, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle1", 0, 136, 83, 16, 7, false, true, kDrellokTip, S, 0, "*"},
    {"DiverStep", 1, 100, 77, 26, 22, false, true, kDiver, S, 0, "Diver(0)"},
    {"Tentacle0", 2, 116, 80, 10, 7, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle0", 1, 126, 84, 11, 6, false, true, kDrellokTip, S, 0, "*"},
    {"Tentacle0", 0, 136, 83, 16, 7, false, true, kDrellokTip, S, 0, "*"},
    // Diver 0..27: frames 0-3 26x22, 4-7 24x26, 8-11 23x21, 12-15 20x22, 16-27 30x21.
    {"Diver", 27, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 26, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 25, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 24, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 23, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 22, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 21, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 20, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 19, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 18, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 17, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 16, 0, kStoreY + 30, 30, 21, false, false, "", H, 0, "*"},
    {"Diver", 15, 0, kStoreY + 30, 20, 22, false, false, "", H, 0, "*"},
    {"Diver", 14, 0, kStoreY + 30, 20, 22, false, false, "", H, 0, "*"},
    {"Diver", 13, 0, kStoreY + 30, 20, 22, false, false, "", H, 0, "*"},
    {"Diver", 12, 0, kStoreY + 30, 20, 22, false, false, "", H, 0, "*"},
    {"Diver", 11, 0, kStoreY + 30, 23, 21, false, false, "", H, 0, "*"},
    {"Diver", 10, 0, kStoreY + 30, 23, 21, false, false, "", H, 0, "*"},
    {"Diver", 9, 0, kStoreY + 30, 23, 21, false, false, "", H, 0, "*"},
    {"Diver", 8, 0, kStoreY + 30, 23, 21, false, false, "", H, 0, "*"},
    {"Diver", 7, 0, kStoreY + 30, 24, 26, false, false, "", H, 0, "*"},
    {"Diver", 6, 0, kStoreY + 30, 24, 26, false, false, "", H, 0, "*"},
    {"Diver", 5, 0, kStoreY + 30, 24, 26, false, false, "", H, 0, "*"},
    {"Diver", 4, 0, kStoreY + 30, 24, 26, false, false, "", H, 0, "*"},
    {"Diver", 3, 0, kStoreY + 30, 26, 22, false, false, "", H, 0, "*"},
    {"Diver", 2, 0, kStoreY + 30, 26, 22, false, false, "", H, 0, "*"},
    {"Diver", 1, 0, kStoreY + 30, 26, 22, false, false, "", H, 0, "*"},
    {"Diver", 0, 0, kStoreY + 30, 26, 22, false, false, "", H, 0, "*"},
    {"OnTheBoat", 1, 200, kStoreY, 21, 15, false, false, "", H, 0, "*"},
    {"DiverStep", 0, 99, 52, 21, 15, true, true, kDiver, S, 0, "OnTheBoat(0)"},
    {"Remainder1", -1, 120, 52, 11, 15, true, true, kDiver, S, 0, "*"},
    {"Remainder0", -1, 133, 52, 11, 15, true, true, kDiver, S, 0, "*"},
    {"OnTheBoat", 0, 230, kStoreY, 21, 15, false, false, "", H, 0, "*"},
    {"VistrelLogo", 1, 0, kStoreY + 60, 42, 36, false, false, "", H, 0, "*"},
    {"VistrelLogo", 0, 50, kStoreY + 60, 42, 36, false, false, "", H, 0, "*"},
    {"GameType", 1, 92, 141, 21, 5, false, false, kAboutTip, N, 0, "*"},
    {"GameType", 0, 92, 135, 22, 5, false, false, kAboutTip, N, 0, "*"},
    {"Button1", 1, 100, kStoreY + 60, 24, 24, false, false, "", H, 0, "*"},
    {"Button1", 0, 130, kStoreY + 60, 24, 24, false, false, "", H, 0, "*"},
    {"Button0", 1, 160, kStoreY + 60, 15, 8, false, false, "", H, 0, "*"},
    {"Button0", 0, 180, kStoreY + 60, 15, 8, false, false, "", H, 0, "*"},
    // Hot zones and the logo: no picture until start-up gives each its look.
    {"Logo", -1, 13, 28, 42, 36, true, true, kAboutTip, B, ButtonLogo, ""},
    {"ACLButton", -1, 309, 58, 7, 7, true, true, "ACL", B, ButtonACL, ""},
    {"AlarmButton", -1, 309, 35, 7, 7, true, true, "ALARM", B, ButtonAlarm, ""},
    {"RightButton", -1, 283, 128, 24, 24, true, true, "Button 2/Minute setting", B, ButtonRight, ""},
    {"LeftButton", -1, 25, 127, 24, 24, true, true, "Button 1/Hour setting", B, ButtonLeft, ""},
    {"TimeButton", -1, 282, 68, 15, 8, true, true, "TIME", B, ButtonTime, ""},
    {"GameBButton", -1, 282, 46, 15, 8, true, true, "GAME B", B, ButtonGameB, ""},
    {"GameAButton", -1, 282, 24, 15, 8, true, true, "GAME A", B, ButtonGameA, ""},
    {"FrontCase", -1, 0, 0, 333, 198, true, true, "", C, 0, "*"},
};
// clang-format on

}  // namespace

void DeviceEngine::BuildPictures() {
    // First every element with its own picture, then the ones that start with
    // a store's picture, so that the stores exist when they are referred to.
    for (const Row& r : kRows) {
        PictureElement& e = scene_.addBelow(r.name, r.index, forms::Rect{r.x, r.y, r.w, r.h});
        e.setEnabled(r.enabled);
        e.setTooltip(r.tooltip);
        e.setRole(r.role, r.tag);
        if (std::string(r.picture) == "*") e.setPicture(&scene_.addPicture(e.label(), r.w, r.h));
        e.setVisible(r.shown);
    }
    for (const Row& r : kRows) {
        const std::string src = r.picture;
        if (src.empty() || src == "*") continue;
        const auto open = src.find('(');
        const PictureElement* store = scene_.find(src.substr(0, open), std::stoi(src.substr(open + 1)));
        if (store == nullptr) throw std::logic_error("picture table names a missing store: " + src);
        scene_.find(r.name, r.index)->setPicture(store->picture());
    }

    auto one = [this](const char* name) {
        PictureElement* e = scene_.find(name);
        if (e == nullptr) throw std::logic_error(std::string("picture table lacks ") + name);
        return e;
    };
    auto many = [this](auto& array, const char* name) {
        for (size_t i = 0; i < array.size(); ++i) {
            array[i] = scene_.find(name, static_cast<int>(i));
            if (array[i] == nullptr) throw std::logic_error(std::string("picture table lacks ") + name);
        }
    };
    FrontCase = one("FrontCase");
    BackCase = one("BackCase");
    ResetScreen = one("ResetScreen");
    am = one("am");
    pm = one("pm");
    many(HourDigit, "HourDigit");
    Colon = one("Colon");
    many(MinuteDigit, "MinuteDigit");
    Note = one("Note");
    many(Alarm, "Alarm");
    BabyDrellok = one("BabyDrellok");
    many(GameType, "GameType");
    many(DiverStep, "DiverStep");
    Remainder0 = one("Remainder0");
    Remainder1 = one("Remainder1");
    MissPic = one("MissPic");
    Arm = one("Arm");
    Legs = one("Legs");
    many(Drellok, "Drellok");
    Treasure = one("Treasure");
    many(Tentacle0, "Tentacle0");
    many(Tentacle1, "Tentacle1");
    many(Tentacle2, "Tentacle2");
    many(Tentacle3, "Tentacle3");
    many(Tentacle4, "Tentacle4");
    GameAButton = one("GameAButton");
    GameBButton = one("GameBButton");
    TimeButton = one("TimeButton");
    LeftButton = one("LeftButton");
    RightButton = one("RightButton");
    AlarmButton = one("AlarmButton");
    ACLButton = one("ACLButton");
    Logo = one("Logo");
    many(Number, "Number");
    many(Diver, "Diver");
    many(OnTheBoat, "OnTheBoat");
    many(TempArm, "TempArm");
    many(TempLegs, "TempLegs");
    many(Button0, "Button0");
    many(Button1, "Button1");
    many(Button2, "Button2");
    many(VistrelLogo, "VistrelLogo");
    scene_.takeDirty();
}

}  // namespace engine
