// What the audio device puts out, recorded by SDL's disk driver: music heard after start
// and silent after stop, a sound effect mixed over it, and effects cutting each other off.
// The disk driver writes in real time, so the tests wait for the recording to grow.
#include "platform/audio.h"
#include "platform/system.h"
#include "unit/music/clocked_music.h"
#include "unit/music/smf.h"
#include "unit/music/work_folder.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

constexpr int RATE = 44100;
constexpr size_t FRAME_BYTES = 4;
constexpr size_t WINDOW = 1024;                     // frames, one device buffer
constexpr size_t MARGIN = 2 * WINDOW * FRAME_BYTES; // a buffer rendered but not yet written

size_t bytesFor(double seconds) {
    return size_t(seconds * RATE) * FRAME_BYTES;
}

// A stereo 16-bit WAV holding one constant level: easy to find in the mix.
std::vector<uint8_t> levelWav(int16_t level, double seconds) {
    const uint32_t data = uint32_t(bytesFor(seconds));
    std::vector<uint8_t> out;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(uint8_t(v >> (8 * i)));
    };
    out = {'R', 'I', 'F', 'F'};
    put(36 + data, 4);
    for (char c : std::string("WAVEfmt "))
        out.push_back(uint8_t(c));
    put(16, 4), put(1, 2), put(2, 2), put(RATE, 4), put(RATE * 4, 4), put(4, 2), put(16, 2);
    for (char c : std::string("data"))
        out.push_back(uint8_t(c));
    put(data, 4);
    for (uint32_t i = 0; i < data / 2; ++i)
        put(uint16_t(level), 2);
    return out;
}

// A C major chord struck every quarter of a second for count beats.
std::vector<uint8_t> repeatedChord(int count) {
    smf::Bytes body;
    for (int i = 0; i < count; ++i)
        for (uint8_t key : {60, 64, 67})
            smf::append(body, {smf::event(key == 60 && i ? 1 : 0, {0x90, key, 100})});
    smf::append(body, {smf::endOfTrack(240)});
    smf::Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 2}; // 2 ticks a quarter
    smf::append(file, {{'M', 'T', 'r', 'k'}, smf::be32(uint32_t(body.size())), body});
    return file;
}

class AudioOutput : public WorkFolder {
protected:
    void SetUp() override {
        WorkFolder::SetUp();
        recording_ = pathOf("recording.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", recording_.c_str(), 1);
        ASSERT_TRUE(platform::OpenAudio());
    }
    void TearDown() override {
        platform::CloseAudio();
        WorkFolder::TearDown();
    }

    size_t recorded() const {
        std::error_code error;
        const auto size = std::filesystem::file_size(recording_, error);
        return error ? 0 : size_t(size);
    }
    // Waits (at most 10 s) for the recording to grow by seconds of sound; returns the
    // size it had before.
    size_t record(double seconds) const {
        const size_t from = recorded();
        for (int i = 0; i < 1000 && recorded() < from + bytesFor(seconds); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GE(recorded(), from + bytesFor(seconds));
        return from;
    }
    std::vector<int16_t> samples() const {
        std::vector<int16_t> out(recorded() / 2);
        std::ifstream in(recording_, std::ios::binary);
        in.read(reinterpret_cast<char*>(out.data()), std::streamsize(out.size() * 2));
        return out;
    }

private:
    std::string recording_;
};

struct Level {
    double mean = 0, rms = 0, spread = 0; // spread: RMS around the mean
};

// The level of the samples between two byte offsets of the recording.
Level levelOf(const std::vector<int16_t>& s, size_t fromByte, size_t toByte) {
    Level level;
    const size_t from = fromByte / 2, to = std::min(toByte / 2, s.size());
    if (to <= from)
        return level;
    double sum = 0, squares = 0;
    for (size_t i = from; i < to; ++i)
        sum += s[i], squares += double(s[i]) * s[i];
    level.mean = sum / double(to - from);
    level.rms = std::sqrt(squares / double(to - from));
    level.spread = std::sqrt(std::max(0.0, level.rms * level.rms - level.mean * level.mean));
    return level;
}

// The constant level of each device buffer that holds a single value throughout, in order,
// repeats merged: the sequence of effects that played whole buffers.
std::vector<int> steadyLevels(const std::vector<int16_t>& s) {
    std::vector<int> levels;
    for (size_t at = 0; at + 2 * WINDOW <= s.size(); at += 2 * WINDOW) {
        const bool steady = std::all_of(s.begin() + long(at), s.begin() + long(at + 2 * WINDOW),
                                        [&](int16_t v) { return v == s[at]; });
        if (steady && (levels.empty() || levels.back() != s[at]))
            levels.push_back(s[at]);
    }
    return levels;
}

} // namespace

TEST_F(AudioOutput, MusicIsHeardAfterStartSilentAfterStopAndAnEffectMixesIn) {
    writeFile(MUSIC_FILE, repeatedChord(40));
    writeFile("step.wav", levelWav(8000, 0.3));
    ClockedMusicDialog music;
    music.Create(nullptr);
    const size_t started = recorded();
    music.start();
    ASSERT_NE(music.midiOut, 0u);
    record(0.6);
    const size_t effect = recorded();
    platform::PlaySound("step.wav");
    record(0.8);
    const size_t stopped = recorded();
    music.stop();
    record(0.5);
    platform::CloseAudio();
    const std::vector<int16_t> s = samples();

    // -36 dBFS RMS at least while the music plays, and nothing at all once it has stopped.
    EXPECT_GT(levelOf(s, started + MARGIN, effect).rms, 500);
    EXPECT_EQ(levelOf(s, stopped + MARGIN, s.size() * 2).rms, 0);

    // Somewhere after PlaySound a buffer's average sits near the effect's level while the
    // music still moves around it: the effect is mixed over the music, not in place of it.
    bool mixed = false;
    for (size_t at = effect; at + WINDOW * FRAME_BYTES < stopped; at += WINDOW * FRAME_BYTES) {
        const Level w = levelOf(s, at, at + WINDOW * FRAME_BYTES);
        mixed = mixed || (std::fabs(w.mean - 8000) < 2000 && w.spread > 300);
    }
    EXPECT_TRUE(mixed);
}

TEST_F(AudioOutput, ANewEffectCutsOffTheOldAndAMissingOrBrokenOneLeavesSilence) {
    writeFile("up.wav", levelWav(8000, 2));
    writeFile("down.wav", levelWav(-8000, 2));
    writeFile("broken.wav", {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E'});
    for (const char* name : {"up.wav", "down.wav", "missing.wav", "up.wav", "broken.wav"}) {
        platform::PlaySound(name);
        record(0.3);
    }
    platform::CloseAudio();
    // Mixed together, up and down would cancel to 0 between them; cut off, down follows up.
    std::vector<int> levels = steadyLevels(samples());
    if (!levels.empty() && levels.front() == 0)
        levels.erase(levels.begin()); // the silence before the first effect
    EXPECT_EQ(levels, (std::vector<int>{8000, -8000, 0, 8000, 0}));
}

TEST(AudioWithoutDevice, EverythingRunsOnSilently) {
    platform::CloseAudio();
    EXPECT_FALSE(platform::AudioAvailable());
    platform::PlaySound("eat.wav");
    MidiOutHandle handle = 0;
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER), MIDI_OUT_NO_DRIVER);
    EXPECT_EQ(handle, 0u);
}
