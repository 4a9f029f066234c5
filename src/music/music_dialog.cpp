// The hidden music window. Its template is 204 x 73 pixels (136 x 45 dialog units at 1.5 x
// 1.625 pixels a unit for an 8-point face), though it is never drawn.
#include "music/music_dialog.h"

#include "platform/system.h"
#include "resources/about_texts.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int CONTROL_ID = 1000;

const platform::DialogTemplate MUSIC_TEMPLATE = {
    "Dialog",
    204,
    73,
    false,
    {{platform::DialogControl::Kind::Static, CONTROL_ID, "Custom1", 10, 11, 183, 50}}};

} // namespace

MusicDialog::MusicDialog() : platform::Dialog(&MUSIC_TEMPLATE) {}

// The output is released with the window's owner at exit; the control stops its playback.
MusicDialog::~MusicDialog() {
    if (midiOut != 0)
        midiOutClose(midiOut);
}

bool MusicDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    midiOut = 0;
    const int result = control_.ConnectDataFile(MUSIC_FILE);
    if (result < 0) {
        char text[32];
        std::snprintf(text, sizeof text, "Error = %d", result);
        report(text);
    }
    return true;
}

void MusicDialog::start() {
    paused_ = false;
    control_.SetStartPosition(0);
    lengthMs = control_.GetTimeLength();
    if (midiOut != 0) {
        midiOutClose(midiOut);
        midiOut = 0;
    }
    if (midiOutOpen(&midiOut, MIDI_MAPPER) != MIDI_OUT_OK) {
        // Said once until the output opens again: the restart check retries every time
        // the piece's length runs out, and a box each minute would halt the game.
        if (!outputFailed_)
            report("Error opening Mapper");
        outputFailed_ = true;
        midiOut = 0;
    } else {
        outputFailed_ = false;
    }
    const uint32_t now = tickCount();
    control_.SetPlayingStatus(1, &midiOut);
    startTick = now;
    timerId = SetTimer(MUSIC_TIMER_ID, MUSIC_CHECK_PERIOD_MS);
}

void MusicDialog::stop() {
    paused_ = false;
    control_.SetPlayingStatus(0, nullptr);
    if (midiOut != 0) {
        midiOutClose(midiOut);
        midiOut = 0;
    }
    KillTimer(timerId);
}

void MusicDialog::pause() {
    if (paused_ || !control_.isPlaying())
        return;
    // A piece already past its end waits at its end for the restart check.
    pausedAtMs_ = std::min(tickCount() - startTick, static_cast<uint32_t>(lengthMs));
    control_.SetPlayingStatus(0, nullptr);
    KillTimer(timerId);
    paused_ = true;
}

void MusicDialog::resume() {
    if (!paused_)
        return;
    paused_ = false;
    control_.SetStartPosition(pausedAtMs_);
    control_.SetPlayingStatus(1, &midiOut);
    startTick = tickCount() - pausedAtMs_;
    timerId = SetTimer(MUSIC_TIMER_ID, MUSIC_CHECK_PERIOD_MS);
}

void MusicDialog::OnTimer(unsigned id) {
    // Unsigned arithmetic: correct across the clock's wrap, and a negative length (no
    // file) reads as a huge one, so a piece that is not there is never restarted.
    // A check already due when the music paused must not restart it.
    if (!paused_ && tickCount() - startTick > static_cast<uint32_t>(lengthMs))
        start();
    platform::Dialog::OnTimer(id);
}

void MusicDialog::DestroyWindow() {
    stop();
    platform::Dialog::DestroyWindow();
}

uint32_t MusicDialog::tickCount() const {
    return platform::GetTickCount();
}

void MusicDialog::report(const char* text) const {
    platform::MessageBox(text, APP_NAME);
}
