// The music window: the messages for a missing file and a missing output, the restart
// check on its clock (never at the length, across the clock's wrap, not counting paused
// time), pause and resume, and F2 (stop, then start) playing the piece from its beginning.
#include "music/music_dialog.h"
#include "platform/audio.h"
#include "platform/system.h"
#include "unit/music/smf.h"
#include "unit/music/work_folder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <thread>

namespace {

using Messages = std::vector<std::string>;
class MusicDialogTest : public WorkFolder {
protected:
    // The music window over a music file of these bytes (no bytes: no file).
    static std::unique_ptr<ClockedMusicDialog> opened(const smf::Bytes& bytes) {
        std::filesystem::remove(MUSIC_FILE);
        if (!bytes.empty())
            writeFile(MUSIC_FILE, bytes);
        auto music = std::make_unique<ClockedMusicDialog>();
        music->Create(nullptr);
        return music;
    }
};

// Plays a script of steps "<action> <clock> -> <start tick> <on|off>": at that clock the
// player (or, for "check", the 1000 ms timer) acts; then the piece must count as started at
// that tick, and be playing or not.
void play(ClockedMusicDialog& music, const char* script) {
    const std::map<std::string, std::function<void()>> actions{
        {"start", [&] { music.start(); }},
        {"stop", [&] { music.stop(); }},
        {"pause", [&] { music.pause(); }},
        {"resume", [&] { music.resume(); }},
        {"check", [&] { music.OnTimer(MUSIC_TIMER_ID); }}};
    char action[8], state[4];
    unsigned tick = 0;
    int used = 0;
    for (const char* p = script;
         std::sscanf(p, " %7s %u -> %u %3[a-z]%n", action, &music.now, &tick, state, &used) == 4;
         p += used + (p[used] == ';')) {
        actions.at(action)();
        EXPECT_EQ(music.startTick, tick) << action << " at " << music.now;
        EXPECT_EQ(music.control().isPlaying(), state == std::string("on"))
            << action << " at " << music.now;
    }
}

// Waits (at most 10 s) until the output has played at least ms of the piece.
bool playedFor(double ms) {
    for (int i = 0; i < 1000 && outputPositionMs() < ms; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return outputPositionMs() >= ms;
}

} // namespace

TEST_F(MusicDialogTest, BadFilesAndAMissingOutputAreEachSaidOnce) {
    const std::pair<smf::Bytes, Messages> files[] = {
        {{}, {"Error = -1"}},
        {{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 2, 0, 1, 1, 0xE0}, {"Error = -5"}},
        {smf::heldNote(2500), {}},
    };
    for (const auto& [bytes, messages] : files)
        EXPECT_EQ(opened(bytes)->messages, messages);
    // No audio device: the player is told once, the restart check retries quietly, and
    // sound effects are dropped.
    EXPECT_FALSE(platform::AudioAvailable());
    platform::PlaySound("eat.wav");
    const auto music = opened(smf::heldNote(2500));
    play(*music, "start 0 -> 0 on; check 3000 -> 3000 on");
    EXPECT_EQ(music->messages, Messages{"Error opening Mapper"});
    EXPECT_EQ(music->midiOut, 0u);
}

// A 2500 ms piece restarts on the first check past its length, never at it; paused time
// does not count as played (resumed at 60000, it is as if started 1000 ms before); a second
// pause keeps the first position; F2 (stop) while paused ends the pause.
TEST_F(MusicDialogTest, TheRestartCheckRunsOnTheFirstCheckPastTheLength) {
    const std::pair<bool, const char*> scripts[] = {
        // with the piece, or no file at all
        {false, "start 500 -> 500 on; check 2000 -> 500 on; check 4000000000 -> 500 on"},
        {true, "start 10000 -> 10000 on; check 11000 -> 10000 on; check 12500 -> 10000 on; "
               "check 12501 -> 12501 on; check 13501 -> 12501 on"},
        {true, "start 4294966296 -> 4294966296 on; check 1500 -> 4294966296 on; " // the wrap
               "check 1501 -> 1501 on"},
        {true, "start 1000 -> 1000 on; pause 2000 -> 1000 off; check 60000 -> 1000 off; "
               "resume 60000 -> 59000 on; check 61500 -> 59000 on; check 61501 -> 61501 on"},
        {true, "pause 0 -> 0 off; resume 0 -> 0 off; start 100 -> 100 on; stop 100 -> 100 off; "
               "pause 100 -> 100 off; resume 100 -> 100 off; start 200 -> 200 on; "
               "pause 600 -> 200 off; pause 700 -> 200 off; resume 1000 -> 600 on; "
               "pause 1100 -> 600 off; stop 5000 -> 600 off; resume 5000 -> 600 off; "
               "start 6000 -> 6000 on"},
    };
    for (const auto& [file, script] : scripts) {
        SCOPED_TRACE(script);
        play(*opened(file ? smf::heldNote(2500) : smf::Bytes{}), script);
    }
}

// On a real (silent) output: F2 twice starts from the beginning, resume plays on.
TEST_F(MusicDialogTest, TheOutputRestartsOnF2AndPlaysOnAfterAPause) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(platform::OpenAudio());
    {
        const auto music = opened(smf::heldNote(20000));
        music->start();
        EXPECT_TRUE(music->messages.empty());
        EXPECT_NE(music->midiOut, 0u);
        ASSERT_TRUE(playedFor(600));
        music->stop();
        EXPECT_EQ(music->midiOut, 0u);
        EXPECT_EQ(outputPositionMs(), 0);
        music->start();
        // The audio thread plays on meanwhile, 23 ms a buffer: well short of where it stopped.
        EXPECT_LT(outputPositionMs(), 300);

        music->now = 1500;
        music->pause();
        EXPECT_EQ(outputPositionMs(), 0) << "the output is silent while paused";
        music->now = 9000;
        music->resume();
        EXPECT_GE(outputPositionMs(), 1500) << "not from the beginning";
        EXPECT_LT(outputPositionMs(), 1800);
        music->DestroyWindow();
        EXPECT_FALSE(music->control().isPlaying());
        EXPECT_EQ(music->midiOut, 0u);
        EXPECT_EQ(outputPositionMs(), 0);
    }
    platform::CloseAudio();
}
