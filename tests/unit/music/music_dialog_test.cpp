// The music window: the messages for a missing file and a missing output, the restart
// check on its clock, and F2 (stop, then start) playing the piece from its beginning.
#include "music/music_dialog.h"
#include "platform/audio.h"
#include "unit/music/clocked_music.h"
#include "unit/music/smf.h"
#include "unit/music/work_folder.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

using Messages = std::vector<std::string>;

class MusicDialogTest : public WorkFolder {};

// Waits (at most 10 s) until the output has played at least ms of the piece.
bool playedFor(double ms) {
    for (int i = 0; i < 1000 && outputPositionMs() < ms; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return outputPositionMs() >= ms;
}

} // namespace

TEST_F(MusicDialogTest, AMissingFileIsReportedAndNeverRestarted) {
    ClockedMusicDialog music;
    music.Create(nullptr);
    EXPECT_EQ(music.messages, Messages{"Error = -1"});
    music.now = 500;
    music.start();
    EXPECT_EQ(music.lengthMs, -1);
    for (uint32_t later : {2000u, 100000u, 4000000000u}) {
        music.now = later;
        music.OnTimer(MUSIC_TIMER_ID);
        EXPECT_EQ(music.startTick, 500u);
    }
}

TEST_F(MusicDialogTest, ACorruptFileIsReportedWithItsCode) {
    writeFile(MUSIC_FILE, {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 2, 0, 1, 1, 0xE0});
    ClockedMusicDialog music;
    music.Create(nullptr);
    EXPECT_EQ(music.messages, Messages{"Error = -5"});
}

TEST_F(MusicDialogTest, RestartsOnTheFirstCheckAfterTheLengthAndNeverBefore) {
    writeFile(MUSIC_FILE, smf::heldNote(2500));
    ClockedMusicDialog music;
    music.Create(nullptr);
    EXPECT_TRUE(music.messages.empty());
    music.now = 10000;
    music.start();
    EXPECT_EQ(music.lengthMs, 2500);
    EXPECT_EQ(music.timerId, MUSIC_TIMER_ID);
    for (uint32_t check : {11000u, 12000u, 12500u}) { // 12500: exactly the length, not past it
        music.now = check;
        music.OnTimer(MUSIC_TIMER_ID);
        EXPECT_EQ(music.startTick, 10000u) << check;
    }
    music.now = 12501;
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 12501u);
    music.now = 13501;
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 12501u);
}

TEST_F(MusicDialogTest, TheRestartCheckCountsAcrossTheClocksWrap) {
    writeFile(MUSIC_FILE, smf::heldNote(2500));
    ClockedMusicDialog music;
    music.Create(nullptr);
    music.now = 0xFFFFF000; // 4096 ms before the wrap
    music.start();
    music.now = 0xFFFFF000 + 2000u; // wrapped: 2000 ms later
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 0xFFFFF000);
    music.now = 0xFFFFF000 + 3000u;
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 0xFFFFF000 + 3000u);
}

TEST_F(MusicDialogTest, WithoutAnOutputItSaysSoOnceAndStillRequestsPlayback) {
    writeFile(MUSIC_FILE, smf::heldNote(2500));
    ClockedMusicDialog music;
    music.Create(nullptr);
    music.start();
    EXPECT_EQ(music.messages, Messages{"Error opening Mapper"});
    EXPECT_EQ(music.midiOut, 0u);
    EXPECT_TRUE(music.control().isPlaying());
    music.now = 3000; // the restart check tries again, quietly
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 3000u);
    EXPECT_EQ(music.messages.size(), 1u);
    music.stop();
    EXPECT_FALSE(music.control().isPlaying());
}

TEST_F(MusicDialogTest, PressingF2TwicePlaysFromTheBeginning) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(platform::OpenAudio());
    writeFile(MUSIC_FILE, smf::heldNote(20000));
    {
        ClockedMusicDialog music;
        music.Create(nullptr);
        music.start();
        EXPECT_TRUE(music.messages.empty());
        EXPECT_NE(music.midiOut, 0u);
        ASSERT_TRUE(playedFor(600));
        music.stop();
        EXPECT_EQ(music.midiOut, 0u);
        EXPECT_EQ(outputPositionMs(), 0);
        music.start();
        // The audio thread plays on meanwhile, 23 ms a buffer: well short of where it stopped.
        EXPECT_LT(outputPositionMs(), 300);
        music.DestroyWindow();
        EXPECT_FALSE(music.control().isPlaying());
        EXPECT_EQ(music.midiOut, 0u);
        EXPECT_EQ(outputPositionMs(), 0);
    }
    platform::CloseAudio();
}

TEST_F(MusicDialogTest, PausedTimeDoesNotCountAsPlayedByTheRestartCheck) {
    writeFile(MUSIC_FILE, smf::heldNote(2500));
    ClockedMusicDialog music;
    music.Create(nullptr);
    music.now = 1000;
    music.start();
    music.now = 2000; // 1000 ms played
    music.pause();
    EXPECT_TRUE(music.paused());
    EXPECT_FALSE(music.control().isPlaying());
    music.now = 60000; // a long look away: no check runs, nothing restarts
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 1000u) << "a stray check while paused sees the old start";
    music.resume();
    EXPECT_FALSE(music.paused());
    EXPECT_TRUE(music.control().isPlaying());
    EXPECT_EQ(music.startTick, 59000u) << "as if started 1000 ms before";
    for (uint32_t check : {60500u, 61500u}) { // 61500: 2500 ms played, not past the length
        music.now = check;
        music.OnTimer(MUSIC_TIMER_ID);
        EXPECT_EQ(music.startTick, 59000u) << check;
    }
    music.now = 61501;
    music.OnTimer(MUSIC_TIMER_ID);
    EXPECT_EQ(music.startTick, 61501u) << "restarted once the whole piece has played";
}

TEST_F(MusicDialogTest, PauseAndResumeOnlyActOnPlayingOrPausedMusic) {
    writeFile(MUSIC_FILE, smf::heldNote(2500));
    ClockedMusicDialog music;
    music.Create(nullptr);
    music.pause(); // never started
    EXPECT_FALSE(music.paused());
    music.resume();
    EXPECT_FALSE(music.control().isPlaying());
    music.now = 100;
    music.start();
    music.stop(); // F2 off
    music.pause();
    EXPECT_FALSE(music.paused());
    music.start();
    music.now = 600;
    music.pause();
    music.pause(); // a second pause keeps the first position
    music.now = 5000;
    music.stop(); // F2 while paused ends the pause: on again starts from the beginning
    EXPECT_FALSE(music.paused());
    music.resume();
    EXPECT_FALSE(music.control().isPlaying());
    music.start();
    EXPECT_EQ(music.startTick, 5000u);
}

TEST_F(MusicDialogTest, ResumePlaysOnFromWherePauseHeldIt) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(platform::OpenAudio());
    writeFile(MUSIC_FILE, smf::heldNote(20000));
    {
        ClockedMusicDialog music;
        music.Create(nullptr);
        music.start();
        music.now = 1500;
        music.pause();
        EXPECT_EQ(outputPositionMs(), 0) << "the output is silent while paused";
        music.now = 9000;
        music.resume();
        EXPECT_GE(outputPositionMs(), 1500) << "not from the beginning";
        EXPECT_LT(outputPositionMs(), 1800);
        music.DestroyWindow();
    }
    platform::CloseAudio();
}
