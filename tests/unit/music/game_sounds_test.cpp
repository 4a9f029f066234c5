// The sounds and music the build makes for the game: files the game can play, each short,
// loud enough and unclipped, and a piece of music long enough to loop unnoticed whose
// every note ends.
#include "music/midi_file.h"
#include "music/sequencer.h"
#include "music/synthesiser.h"
#include "support/run_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using testsupport::runFile;

TEST(GameSounds, EffectsAreShortLoudEnoughAndUnclipped) {
    const struct {
        const char* name;
        double minSeconds, maxSeconds;
    } effects[] = {{"eat.wav", 0.05, 0.3}, {"death.wav", 0.5, 1.5}, {"over.wav", 1.0, 3.0}};
    for (const auto& e : effects) {
        SDL_AudioSpec spec;
        Uint8* data = nullptr;
        Uint32 bytes = 0;
        ASSERT_TRUE(SDL_LoadWAV(runFile(e.name).c_str(), &spec, &data, &bytes)) << e.name;
        EXPECT_TRUE(spec.format == AUDIO_S16LSB && spec.channels == 1) << e.name;
        const int16_t* samples = reinterpret_cast<int16_t*>(data);
        const auto [low, high] = std::minmax_element(samples, samples + bytes / 2);
        const int peak = std::max(-int(*low), int(*high));
        SDL_FreeWAV(data);
        const double seconds = bytes / 2.0 / spec.freq;
        EXPECT_TRUE(seconds >= e.minSeconds && seconds <= e.maxSeconds) << e.name << seconds;
        // Above -12 dBFS, not clipped.
        EXPECT_TRUE(peak > 8000 && peak < 32000) << e.name << " peaks at " << peak;
    }
}

TEST(GameSounds, TheMusicIsOverAMinuteLongInSeveralVoicesAndEveryNoteEnds) {
    auto result = readMidiFile(runFile("SONAT_A1.MID"));
    ASSERT_TRUE(std::holds_alternative<MidiSong>(result));
    const MidiSong& song = std::get<MidiSong>(result);
    EXPECT_GE(song.lengthMs(), 60000u);
    int sounding = 0, mostAtOnce = 0;
    for (const MidiEvent& e : song.events) {
        const bool on = (e.status & 0xF0) == 0x90 && e.data2 > 0;
        if (on || (e.status & 0xE0) == 0x80) // note on, or note off in either form
            mostAtOnce = std::max(mostAtOnce, sounding += on ? 1 : -1);
    }
    EXPECT_GE(mostAtOnce, 3);
    EXPECT_EQ(sounding, 0) << "every note ends";
}

// With too few voices FluidSynth cuts sounding notes off to start new ones, so the piece
// would differ from the same piece rendered with FluidSynth's default of 256 voices.
TEST(GameSounds, TheMusicNeverRunsOutOfTheSynthesisersVoices) {
    auto result = readMidiFile(runFile("SONAT_A1.MID"));
    ASSERT_TRUE(std::holds_alternative<MidiSong>(result));
    auto song = std::make_shared<const MidiSong>(std::get<MidiSong>(std::move(result)));
    const std::string font = findSoundFont();
    ASSERT_FALSE(font.empty()) << "no General MIDI soundfont installed";
    constexpr int RATE = 44100, BLOCK = 1024;
    const int blocks = int((song->lengthMs() / 1000.0 + 2) * RATE / BLOCK); // 2 s of ringing
    auto render = [&](int voices) {
        Synthesiser synth(RATE, font, voices);
        EXPECT_TRUE(synth.ok());
        Sequencer sequencer(RATE);
        sequencer.play(song, 0, synth);
        std::vector<short> stereo(2 * BLOCK * size_t(blocks));
        for (int i = 0; i < blocks; ++i)
            sequencer.render(synth, &stereo[2 * BLOCK * size_t(i)], BLOCK);
        return stereo;
    };
    const std::vector<short> heard = render(SYNTH_VOICES);
    EXPECT_TRUE(std::any_of(heard.begin(), heard.end(), [](short s) { return s != 0; }));
    EXPECT_TRUE(heard == render(256));
}

} // namespace
