#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wave {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
    std::vector<int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
    // Sign changes a second, halved: the pitch of a square-ish tone.
    double pitch() const {
        int crossings = 0;
        for (size_t i = 1; i < samples.size(); ++i)
            if ((samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
        return crossings / 2.0 / seconds();
    }
    int peak() const {
        int p = 0;
        for (int16_t s : samples) p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    }
};

uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<size_t>(i));
    return v;
}

// Reads a RIFF wave file strictly; any inconsistency fails the test.
Wave readWave(const std::string& name) {
    Wave w;
    std::ifstream f(std::string(DRELLOK_SOUND_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(f) << name << " is missing";
    const std::vector<uint8_t> b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    if (b.size() < 44) {
        ADD_FAILURE() << name << " is too short for a wave file";
        return w;
    }
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8) << "RIFF size";
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    size_t at = 12;
    bool haveFormat = false, haveData = false;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const uint32_t size = le(b, at + 4, 4);
        EXPECT_LE(at + 8 + size, b.size()) << "chunk " << id << " runs past the end";
        if (at + 8 + size > b.size()) break;
        if (id == "fmt ") {
            haveFormat = true;
            w.format = static_cast<uint16_t>(le(b, at + 8, 2));
            w.channels = static_cast<uint16_t>(le(b, at + 10, 2));
            w.sampleRate = le(b, at + 12, 4);
            w.byteRate = le(b, at + 16, 4);
            w.blockAlign = static_cast<uint16_t>(le(b, at + 20, 2));
            w.bits = static_cast<uint16_t>(le(b, at + 22, 2));
        } else if (id == "data") {
            haveData = true;
            EXPECT_EQ(size % 2, 0u);
            for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(haveFormat && haveData) << name;
    EXPECT_EQ(w.format, 1) << "PCM";
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_GE(w.sampleRate, 8000u);
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_EQ(w.byteRate, w.sampleRate * 2);
    return w;
}

TEST(SoundFiles, AreShortAudibleBeepsWithoutClicks) {
    for (const char* name : {"Beep0.wav", "Beep1.wav", "Beep2.wav", "Beep3.wav"}) {
        SCOPED_TRACE(name);
        const Wave w = readWave(name);
        ASSERT_FALSE(w.samples.empty());
        // Loud enough to hear, never clipped.
        EXPECT_GT(w.peak(), 32767 / 10);
        EXPECT_LT(w.peak(), 32767 * 9 / 10);
        // A quick ramp at both ends: no click as it starts or is cut off.
        EXPECT_LT(std::abs(w.samples.front()), 32767 / 50);
        EXPECT_LT(std::abs(w.samples.back()), 32767 / 50);
        EXPECT_GE(w.pitch(), 300.0);
        EXPECT_LE(w.pitch(), 5000.0);
    }
}

TEST(SoundFiles, EachEndsBeforeItCanRepeat) {
    // The tentacle tick can repeat every few tens of milliseconds; the others
    // at the diver's pace, 300 ms unless set otherwise.
    const Wave tick = readWave("Beep0.wav");
    EXPECT_GE(tick.seconds(), 0.015);
    EXPECT_LE(tick.seconds(), 0.030);
    for (const char* name : {"Beep1.wav", "Beep2.wav", "Beep3.wav"}) {
        SCOPED_TRACE(name);
        const Wave w = readWave(name);
        EXPECT_GT(w.seconds(), tick.seconds());
        EXPECT_LE(w.seconds(), 0.200);
    }
}

TEST(SoundFiles, AreDistinctInPitchAndLength) {
    const std::vector<Wave> w{readWave("Beep0.wav"), readWave("Beep1.wav"), readWave("Beep2.wav"),
                              readWave("Beep3.wav")};
    for (size_t i = 0; i < w.size(); ++i)
        for (size_t j = i + 1; j < w.size(); ++j) {
            SCOPED_TRACE("Beep" + std::to_string(i) + " and Beep" + std::to_string(j));
            EXPECT_GT(std::abs(w[i].pitch() - w[j].pitch()), 0.15 * std::min(w[i].pitch(), w[j].pitch()));
            EXPECT_GT(std::abs(w[i].seconds() - w[j].seconds()), 0.010);
        }
}

}  // namespace
