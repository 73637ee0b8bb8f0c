#include <span>

#include "engine/device_engine.h"
#include "forms/convert.h"

namespace engine {

namespace {

struct Band {
    int16_t low;
    int16_t high;  // inclusive
};

struct SpeedGroup {
    int32_t reduction;
    std::span<const Band> bands;
};

// GAME A: groups in the order they are tried.
constexpr Band kA30[] = {{70, 99},   {160, 189}, {250, 279}, {330, 359}, {430, 459},
                         {520, 559}, {610, 649}, {710, 739}, {810, 829}, {930, 969}};
constexpr Band kA60[] = {{190, 199}, {280, 299}, {560, 599}, {650, 689}, {740, 779}};
constexpr Band kA50[] = {{360, 389}, {460, 489}, {830, 869}};
constexpr Band kA80[] = {{390, 399}, {490, 499}, {690, 699}, {780, 799}, {870, 899}, {970, 999}};
constexpr SpeedGroup kGameAGroups[] = {{30, kA30}, {60, kA60}, {50, kA50}, {80, kA80}};

// GAME B has no 50 ms group, and its last fast band stops at 998: a score of
// 999 runs at the stored speed.
constexpr Band kB30[] = {{30, 69},   {130, 159}, {220, 249}, {330, 359}, {430, 459},
                         {520, 559}, {610, 649}, {710, 739}, {830, 869}, {930, 969}};
constexpr Band kB60[] = {{70, 99},   {160, 189}, {250, 279}, {360, 389}, {460, 489},
                         {560, 599}, {650, 689}, {740, 779}, {870, 899}};
constexpr Band kB80[] = {{190, 199}, {280, 299}, {390, 399}, {490, 499}, {690, 699}, {780, 799}, {970, 998}};
constexpr SpeedGroup kGameBGroups[] = {{30, kB30}, {60, kB60}, {80, kB80}};

bool inBands(std::span<const Band> bands, int16_t score) {
    for (const Band& b : bands)
        if (score >= b.low && score <= b.high) return true;
    return false;
}

// The interval of a game at a score: the base less the reduction of the first
// group whose band holds the score, when the base is larger than that
// reduction. A base too small for its band keeps the base; no later group is
// tried in its place.
int32_t bandedInterval(int32_t base, std::span<const SpeedGroup> groups, int16_t score) {
    for (const SpeedGroup& g : groups)
        if (inBands(g.bands, score) && base > g.reduction) return base - g.reduction;
    return base;
}

// A stored speed in milliseconds. The store may have been edited by hand:
// text that is not a number reads as the default, and so does a number below
// 1, which would stop the tick (0) or make no sense as an interval.
int32_t storedSpeed(const forms::SettingsStore& settings, const char* key, int32_t fallback) {
    const int32_t v = forms::toLong(settings.get(key), fallback);
    return v >= 1 ? v : fallback;
}

}  // namespace

void DeviceEngine::DoCheckSpeed() {
    const forms::SettingsStore& settings = services_.settings;
    if (BonusFlash != 0 || CaughtCounter != 0 || BoatUnload != 0) {
        SetInterval(storedSpeed(settings, "Diver Speed", 300));
        return;
    }
    switch (CurrentGame) {
        case GameA: SetInterval(bandedInterval(storedSpeed(settings, "Game A Speed", 220), kGameAGroups, Score)); break;
        case GameB: SetInterval(bandedInterval(storedSpeed(settings, "Game B Speed", 170), kGameBGroups, Score)); break;
        case NoGame:
            // The setting modes keep their own pace.
            if (AlarmSetMode == AlarmSetOff && TimeSetMode == 0) SetInterval(50);
            break;
        default: break;
    }
}

}  // namespace engine
