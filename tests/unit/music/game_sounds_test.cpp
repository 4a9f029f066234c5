// The sounds and music the build makes for the game: files the game can play, each the
// kind of sound its event calls for, and a piece of music long enough to loop unnoticed.
#include "music/midi_file.h"
#include "support/run_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using testsupport::runFile;

struct Sound {
    std::vector<int16_t> samples; // mono
    int rate = 0;
    double seconds() const { return double(samples.size()) / rate; }
};

Sound load(const char* name) {
    Sound sound;
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV(runFile(name).c_str(), &spec, &data, &bytes))
        return sound;
    EXPECT_EQ(spec.format, AUDIO_S16LSB) << name;
    EXPECT_EQ(spec.channels, 1) << name;
    sound.rate = spec.freq;
    sound.samples.assign(reinterpret_cast<int16_t*>(data),
                         reinterpret_cast<int16_t*>(data) + bytes / 2);
    SDL_FreeWAV(data);
    return sound;
}

// Upward zero crossings a second over [from, to) seconds: the pitch, roughly.
double crossingsPerSecond(const Sound& s, double from, double to) {
    const size_t a = size_t(from * s.rate), b = std::min(s.samples.size(), size_t(to * s.rate));
    int count = 0;
    for (size_t i = a + 1; i < b; ++i)
        count += s.samples[i - 1] < 0 && s.samples[i] >= 0;
    return count / (to - from);
}

int peak(const Sound& s) {
    int p = 0;
    for (int16_t v : s.samples)
        p = std::max(p, std::abs(int(v)));
    return p;
}

} // namespace

TEST(GameSounds, EffectsAreShortLoudEnoughAndUnclipped) {
    struct Expect {
        const char* name;
        double minSeconds, maxSeconds;
    };
    for (const Expect& e : {Expect{"eat.wav", 0.05, 0.3}, Expect{"death.wav", 0.5, 1.5},
                            Expect{"over.wav", 1.0, 3.0}}) {
        const Sound s = load(e.name);
        ASSERT_GT(s.rate, 0) << e.name << ": " << SDL_GetError();
        EXPECT_GE(s.seconds(), e.minSeconds) << e.name;
        EXPECT_LE(s.seconds(), e.maxSeconds) << e.name;
        EXPECT_GT(peak(s), 8000) << e.name;  // above -12 dBFS
        EXPECT_LT(peak(s), 32000) << e.name; // not clipped
    }
}

TEST(GameSounds, TheLostLifeFallsAndTheMunchRises) {
    const Sound death = load("death.wav");
    ASSERT_GT(death.rate, 0);
    EXPECT_GT(crossingsPerSecond(death, 0, 0.1), 4 * crossingsPerSecond(death, 0.7, 0.8));
    const Sound eat = load("eat.wav");
    ASSERT_GT(eat.rate, 0);
    EXPECT_LT(crossingsPerSecond(eat, 0, 0.02), crossingsPerSecond(eat, 0.03, 0.05));
}

TEST(GameSounds, TheMusicIsAPianoPieceInSeveralVoicesOverAMinuteLong) {
    auto result = readMidiFile(runFile("SONAT_A1.MID"));
    ASSERT_TRUE(std::holds_alternative<MidiSong>(result));
    const MidiSong& song = std::get<MidiSong>(result);
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.trackCount, 3);
    EXPECT_GE(song.tempoChanges, 2);
    EXPECT_GE(song.lengthMs(), 60000u);
    std::set<int> channels;
    int sounding = 0, mostAtOnce = 0;
    for (const MidiEvent& e : song.events) {
        const int type = e.status & 0xF0;
        if (type == 0xC0) {
            EXPECT_LT(e.data1, 8) << "a piano program"; // General MIDI 1-8 are pianos
        }
        if (type == 0x90 && e.data2 > 0) {
            channels.insert(e.status & 0x0F);
            mostAtOnce = std::max(mostAtOnce, ++sounding);
        } else if (type == 0x80 || type == 0x90) {
            --sounding;
        }
    }
    EXPECT_GE(channels.size(), 3u);
    EXPECT_GE(mostAtOnce, 3);
    EXPECT_EQ(sounding, 0) << "every note ends";
    EXPECT_GT(song.events.back().timeUs, 55e6);
}
