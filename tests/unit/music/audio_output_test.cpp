// What the audio device puts out, recorded by SDL's disk driver: music heard after start
// and silent after stop, a sound effect mixed over it, and effects cutting each other off.
// The disk driver writes in real time, so the tests wait for the recording to grow.
// Positions in the recording count 16-bit samples, two a stereo frame.
#include "platform/audio.h"
#include "platform/system.h"
#include "unit/music/smf.h"
#include "unit/music/work_folder.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr uint32_t RATE = 44100;
constexpr size_t BUFFER = 2 * 1024; // one device buffer of 1024 frames

// A stereo 16-bit WAV holding one constant level: easy to find in the mix.
std::vector<uint8_t> levelWav(int16_t level, double seconds) {
    const uint32_t bytes = uint32_t(seconds * RATE) * 4;
    // PCM, 2 channels, RATE frames of 4 bytes a second, 16 bits; little-endian as the host.
    const uint32_t fields[] = {0,        36 + bytes,   0, 0,    16, 1 | 2 << 16, RATE,
                               RATE * 4, 4 | 16 << 16, 0, bytes};
    std::vector<uint8_t> out(44 + bytes);
    std::memcpy(out.data(), fields, 44);
    for (const auto& [at, tag] :
         {std::pair<int, const char*>{0, "RIFF"}, {8, "WAVE"}, {12, "fmt "}, {36, "data"}})
        std::memcpy(&out[size_t(at)], tag, 4);
    for (size_t i = 44; i < out.size(); i += 2)
        std::memcpy(&out[i], &level, 2);
    return out;
}

class AudioOutput : public WorkFolder {
protected:
    void SetUp() override {
        WorkFolder::SetUp();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", pathOf("recording.raw").c_str(), 1);
        ASSERT_TRUE(platform::OpenAudio());
    }
    void TearDown() override {
        platform::CloseAudio();
        WorkFolder::TearDown();
    }
    size_t recorded() const {
        std::error_code error;
        const auto bytes = std::filesystem::file_size(pathOf("recording.raw"), error);
        return error ? 0 : size_t(bytes) / 2;
    }
    // Waits (at most 10 s) for seconds more sound; returns where the recording stood.
    size_t record(double seconds) const {
        const size_t from = recorded(), to = from + size_t(seconds * RATE) * 2;
        for (int i = 0; i < 1000 && recorded() < to; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GE(recorded(), to);
        return from;
    }
    // Closes the device and reads the whole recording.
    std::vector<int16_t> samples() const {
        platform::CloseAudio();
        std::vector<int16_t> out(recorded());
        std::ifstream(pathOf("recording.raw"), std::ios::binary)
            .read(reinterpret_cast<char*>(out.data()), std::streamsize(out.size() * 2));
        return out;
    }
};

// The mean of samples [from, to) and their RMS around it.
std::pair<double, double> levelOf(const std::vector<int16_t>& s, size_t from, size_t to) {
    to = std::min(to, s.size());
    double sum = 0, squares = 0;
    for (size_t i = from; i < to; ++i)
        sum += s[i], squares += double(s[i]) * s[i];
    const double n = std::max(1.0, double(to) - double(from)), mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

TEST_F(AudioOutput, MusicIsHeardAfterStartSilentAfterStopAndAnEffectMixesIn) {
    std::vector<smf::Bytes> chords; // C major struck every quarter second (2 ticks a quarter)
    for (int i = 0; i < 40; ++i)
        for (uint8_t key : {60, 64, 67})
            chords.push_back(smf::event(key == 60 && i ? 1 : 0, {0x90, key, 100}));
    writeFile(MUSIC_FILE, smf::file(0, 2, {smf::track(chords)}));
    writeFile("step.wav", levelWav(8000, 0.3));
    ClockedMusicDialog music;
    music.Create(nullptr);
    music.start();
    ASSERT_NE(music.midiOut, 0u);
    // Two buffers rendered before a change may not have reached the recording yet.
    const size_t started = record(0.6) + 2 * BUFFER, effect = recorded();
    platform::PlaySound("step.wav");
    record(0.8);
    const size_t stopped = recorded();
    music.stop();
    record(0.5);
    const std::vector<int16_t> s = samples();
    EXPECT_GT(levelOf(s, started, effect).second, 500); // -36 dBFS at least while it plays
    EXPECT_EQ(levelOf(s, stopped + 2 * BUFFER, s.size()), std::make_pair(0.0, 0.0));

    // Somewhere after PlaySound a buffer's mean sits near the effect's level while the
    // music still moves around it: the effect is mixed over the music, not in place of it.
    bool mixed = false;
    for (size_t at = effect; at + BUFFER < stopped; at += BUFFER) {
        const auto [mean, spread] = levelOf(s, at, at + BUFFER);
        mixed = mixed || (std::fabs(mean - 8000) < 2000 && spread > 300);
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
    // The level of each buffer that holds one value throughout, repeats merged: mixed
    // together, up and down would cancel to 0 between them; cut off, down follows up.
    const std::vector<int16_t> s = samples();
    std::vector<int> levels;
    for (size_t at = 0; at + BUFFER <= s.size(); at += BUFFER) {
        const bool steady =
            std::all_of(&s[at], &s[at] + BUFFER, [&](int16_t v) { return v == s[at]; });
        if (steady && (levels.empty() || levels.back() != s[at]))
            levels.push_back(s[at]);
    }
    if (!levels.empty() && levels.front() == 0)
        levels.erase(levels.begin()); // the silence before the first effect
    EXPECT_EQ(levels, (std::vector<int>{8000, -8000, 0, 8000, 0}));
}

} // namespace
