// Writes the device's four beeps as 16-bit PCM mono wave files into the
// folder named on the command line.
//
// The device's beeper is a small piezo: a square-ish tone switched on and off
// hard. Each beep is a band-limited square wave (odd harmonics below the
// Nyquist limit, so nothing aliases) with a quick attack and release, so it
// starts and stops without a click. Each is shorter than the fastest pace at
// which it can repeat: the tentacle tick can come every few tens of
// milliseconds, the others at the diver's pace.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;

struct Beep {
    const char* file;
    double frequency;  // Hz
    double duration;   // seconds
    double attack;     // seconds
    double release;    // seconds
    double level;      // peak, 0..1 of full scale
};

// Distinct in pitch and length, so each event can be told by ear.
constexpr Beep kBeeps[] = {
    {"Beep0.wav", 1975.5, 0.027, 0.0015, 0.004, 0.35},  // tentacle step: a short high tick
    {"Beep1.wav", 1318.5, 0.075, 0.002, 0.008, 0.40},   // gold, points, struggle
    {"Beep2.wav", 659.3, 0.160, 0.002, 0.020, 0.45},    // catch: low and long
    {"Beep3.wav", 2637.0, 0.110, 0.002, 0.012, 0.35},   // bonus and alarm: highest
};

std::vector<int16_t> render(const Beep& b) {
    const int count = static_cast<int>(std::lround(b.duration * kSampleRate));
    const double nyquist = kSampleRate / 2.0;
    std::vector<int16_t> out(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double wave = 0.0;
        for (int h = 1; h * b.frequency < nyquist * 0.9; h += 2)
            wave += std::sin(2.0 * std::numbers::pi * h * b.frequency * t) / h;
        wave *= 4.0 / std::numbers::pi;  // a full square would swing +-1
        const double fromEnd = static_cast<double>(count - 1 - i) / kSampleRate;
        double envelope = 1.0;
        if (t < b.attack) envelope = t / b.attack;
        if (fromEnd < b.release) envelope = std::min(envelope, fromEnd / b.release);
        const double v = std::clamp(wave * envelope * b.level, -1.0, 1.0);
        out[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v * 32767.0));
    }
    return out;
}

void put16(std::ofstream& f, uint16_t v) {
    const char bytes[] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(bytes, 2);
}

void put32(std::ofstream& f, uint32_t v) {
    for (int s = 0; s < 32; s += 8) f.put(static_cast<char>((v >> s) & 0xff));
}

bool writeWave(const std::string& path, const std::vector<int16_t>& samples) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVE", 4);
    f.write("fmt ", 4);
    put32(f, 16);  // chunk size
    put16(f, 1);   // PCM
    put16(f, 1);   // mono
    put32(f, kSampleRate);
    put32(f, kSampleRate * 2);  // bytes a second
    put16(f, 2);                // bytes a frame
    put16(f, 16);               // bits a sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (int16_t s : samples) put16(f, static_cast<uint16_t>(s));
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const Beep& b : kBeeps) {
        const std::string path = folder + "/" + b.file;
        if (!writeWave(path, render(b))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
