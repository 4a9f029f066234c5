// The hidden music window: hosts the MIDI player control, attaches "SONAT_A1.MID" when it
// is created, plays it through the MIDI output and, on a 1000 ms timer, starts it again
// from the beginning once its length has run out. The game owns one and calls Create,
// start, stop, and pause and resume while the player looks away; everything runs on the
// main thread.
//
// Times are milliseconds of the platform clock (platform::GetTickCount). The clock and the
// message box are reached through two virtual functions so that tests can stand in for them.
#pragma once

#include "music/midi_control.h"
#include "platform/dialog.h"

#include <cstdint>

constexpr const char* MUSIC_FILE = "SONAT_A1.MID";
constexpr unsigned MUSIC_TIMER_ID = 1;
constexpr unsigned MUSIC_CHECK_PERIOD_MS = 1000;

class MusicDialog : public platform::Dialog {
public:
    MusicDialog();
    ~MusicDialog() override;

    // Attaches the music file; a failure is reported as "Error = <code>".
    bool OnInitDialog() override;
    // The restart check (whatever the timer's id).
    void OnTimer(unsigned id) override;
    // Stops the music, then destroys the window.
    void DestroyWindow() override;

    // Plays the piece from its beginning and (re)starts the restart check.
    void start();
    // Stops the music and the restart check.
    void stop();
    // Holds playing music where it is: the sound stops, and the paused time does not count
    // as played, so the restart check still waits for the whole piece. Does nothing unless
    // the music plays.
    void pause();
    // Plays on from where pause held it. Does nothing unless paused; start and stop end a
    // pause too.
    void resume();
    bool paused() const { return paused_; }

    const MidiControl& control() const { return control_; }

    MidiOutHandle midiOut = 0; // the open MIDI output, or 0
    int lengthMs = 0;          // the piece's length as the control reports it
    uint32_t startTick = 0;    // the clock when playback last started
    unsigned timerId = 0;      // the restart check's timer

protected:
    virtual uint32_t tickCount() const;
    virtual void report(const char* text) const;

private:
    MidiControl control_;
    bool outputFailed_ = false; // the last open of the output failed and was reported
    bool paused_ = false;
    uint32_t pausedAtMs_ = 0; // where in the piece pause held it
};
