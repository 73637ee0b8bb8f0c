#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <bit>
#include <string>

#include "platform/qt/qt_sound_player.h"
#include "platform/qt/wave_sound.h"
#include "tests/support/sound_server.h"

namespace {

using qtplatform::WaveSound;
using Sample = WaveSound::Sample;

// A wave file of a 441 Hz square tone at half of full scale.
struct Tone {
    quint16 coding = 1;  // 1 integer, 3 float, 0xfffe extensible (integer)
    quint16 bits = 16;
    quint16 channels = 1;
    quint32 rate = 22050;
    int milliseconds = 50;

    QByteArray file() const {
        const quint32 frames = rate * quint32(milliseconds) / 1000;
        QByteArray samples;
        for (quint32 i = 0; i < frames * channels; ++i) {
            const bool high = (i / channels) * 882 / rate % 2 == 0;
            if (coding == 3) {
                samples.append(bytes(std::bit_cast<quint32>(high ? 0.5f : -0.5f), 4));
            } else {
                const qint64 half = qint64(1) << (bits - 2);
                const qint64 value = (high ? half : -half) + (bits == 8 ? 128 : 0);
                samples.append(bytes(quint32(value), bits / 8));
            }
        }
        QByteArray format = bytes(coding, 2) + bytes(channels, 2) + bytes(rate, 4) +
                            bytes(rate * channels * bits / 8, 4) + bytes(channels * bits / 8, 2) + bytes(bits, 2);
        if (coding == 0xfffe)  // valid bits, channel mask, and the integer coding's GUID
            format += bytes(22, 2) + bytes(bits, 2) + bytes(0, 4) + bytes(1, 4) +
                      QByteArray("\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 12);
        const QByteArray body = "WAVEfmt " + bytes(quint32(format.size()), 4) + format + "data" +
                                bytes(quint32(samples.size()), 4) + samples;
        return "RIFF" + bytes(quint32(body.size()), 4) + body;
    }
    static QByteArray bytes(quint32 value, int width) {
        QByteArray b;
        for (int i = 0; i < width; ++i) b.append(char(value >> (8 * i)));
        return b;
    }
};

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

TEST(WaveSoundTest, ReadsEveryLayoutAndRefusesWhatCannotPlay) {
    struct Case {
        const char* name;
        Tone tone;
        Sample sample;
    };
    const Case playable[] = {
        {"8-bit", {1, 8, 1, 8000}, Sample::UInt8},     {"16-bit stereo", {1, 16, 2, 44100}, Sample::Int16},
        {"24-bit", {1, 24, 1, 48000}, Sample::Int24},  {"32-bit stereo", {1, 32, 2, 96000}, Sample::Int32},
        {"float", {3, 32, 1, 16000}, Sample::Float32}, {"extensible", {0xfffe, 24, 2, 48000}, Sample::Int24},
    };
    for (const Case& c : playable) {
        const QByteArray file = c.tone.file();
        const auto sound = qtplatform::waveSound(file);
        ASSERT_TRUE(sound) << c.name;
        EXPECT_EQ(sound->sample, c.sample) << c.name;
        EXPECT_EQ(sound->channels, c.tone.channels) << c.name;
        EXPECT_EQ(sound->rate, c.tone.rate) << c.name;
        EXPECT_EQ(sound->data, file.right(sound->data.size())) << c.name;
        EXPECT_EQ(sound->milliseconds(), 50) << c.name;
    }

    // A chunk of odd length, padded, ahead of the samples, and a partial last frame.
    QByteArray listed = Tone{1, 16, 2, 44100}.file();
    listed.append('\x01').replace(40, 4, Tone::bytes(2205 * 4 + 1, 4));
    listed.insert(12, QByteArray("LIST\x03\0\0\0abc\0", 12));
    const auto sound = qtplatform::waveSound(listed);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->data.size(), 2205 * 4);

    const QByteArray plain = Tone{}.file();
    QByteArray noFormat = plain, ofTwelveBits = plain, noChannels = plain, noRate = plain,
               unknownGuid = Tone{0xfffe}.file();
    noFormat.replace(12, 4, "junk");
    ofTwelveBits[34] = 12;
    noChannels[22] = 0;
    noRate.replace(24, 4, QByteArray(4, 0));
    unknownGuid[50] = 'x';
    const QByteArray cannotPlay[] = {{},
                                     "RIFF? not really a wave file",
                                     plain.left(40),   // its header only
                                     plain.left(600),  // its samples cut short
                                     Tone{2}.file(),   // a compressed coding
                                     Tone{3, 64}.file(),
                                     noFormat,
                                     ofTwelveBits,
                                     noChannels,
                                     noRate,
                                     unknownGuid,
                                     Tone{1, 16, 1, 22050, 0}.file()};
    for (const QByteArray& file : cannotPlay) EXPECT_FALSE(qtplatform::waveSound(file)) << file.toHex().toStdString();
}

// The tests below listen to what plays on a sound server of their own.
class QtSoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("PULSE_SERVER", server.address().c_str());
        path = dir.filePath("Beep1.wav");
    }
    void TearDown() override { qunsetenv("PULSE_SERVER"); }

    // Plays the tone from the file and lets it sound.
    void play(const QByteArray& file, int waitMs = 400) {
        writeFile(path, file);
        player.play(path.toStdString());
        QTest::qWait(waitMs);
    }

    fakes::SoundServer server;
    QTemporaryDir dir;
    QString path;
    qtplatform::QtSoundPlayer player;
};

// Each sound is heard, however short, in whatever layout, and a new sound
// cuts the one still playing; the file is read anew whenever it changes. A
// second after the last sound nothing is held open on the server.
TEST_F(QtSoundPlayerTest, EverySoundIsHeardAndANewOneCutsTheOneBefore) {
    ASSERT_TRUE(server.start()) << server.log();
    play(Tone{1, 16, 1, 22050, 3000}.file(), 300);
    play(Tone{1, 16, 1, 22050, 30}.file());  // the long tone ends here
    // Each as short as the device's shortest beep.
    for (const Tone& tone : {Tone{1, 8, 1, 8000, 30}, Tone{1, 24, 2, 48000, 30}, Tone{3, 32, 1, 44100, 30},
                             Tone{1, 32, 2, 11025, 30}, Tone{0xfffe, 24, 1, 96000, 30}})
        play(tone.file());
    play(Tone{}.file().left(100));  // caught half-written: nothing

    const auto bursts = server.bursts();
    ASSERT_EQ(bursts.size(), 6u);
    EXPECT_LT(bursts[0].length, 2.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.streaming() && server.streams() == 0; }, 5000));
}

// Without a server nothing plays and nothing waits; once a server is there,
// sounds are heard again, also after it went away in the middle of a sound.
TEST_F(QtSoundPlayerTest, ASoundServerThatComesAndGoesOnlySilencesTheSounds) {
    const QByteArray beep = Tone{}.file();
    auto heardAgain = [&] {
        return QTest::qWaitFor(
            [&] {
                play(beep, 100);
                return !server.bursts().empty();
            },
            10000);
    };
    for (int i = 0; i < 5; ++i) play(beep, 100);
    EXPECT_FALSE(player.streaming());
    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_TRUE(heardAgain());

    play(Tone{1, 16, 1, 22050, 3000}.file(), 200);
    ASSERT_TRUE(player.streaming());
    server.kill();
    for (int i = 0; i < 5; ++i) play(beep, 100);
    EXPECT_FALSE(player.streaming());
    ASSERT_TRUE(server.start()) << server.log();
    EXPECT_TRUE(heardAgain());
}

}  // namespace
