// The MIDI output. The synthesiser is made at the first open and kept for the life of the
// process (loading the soundfont again on every restart of the piece would be wasted work);
// it is never destroyed, so the audio thread can never see it go.
//
// Lock order: the audio device's lock (held around the render call) comes before ours, so
// nothing may call into the audio device while holding ours.
#include "music/midi_out.h"

#include "music/synthesiser.h"
#include "platform/audio.h"

#include <cstring>
#include <mutex>

namespace {

struct Output {
    std::mutex lock;
    std::unique_ptr<Synthesiser> synth;
    std::unique_ptr<Sequencer> sequencer;
    MidiOutHandle open = 0;
    MidiOutHandle lastHandle = 0;
};

Output& output() {
    static Output* instance = new Output; // never destroyed: see above
    return *instance;
}

void render(short* stereo, int frames) {
    Output& out = output();
    std::lock_guard<std::mutex> guard(out.lock);
    if (out.sequencer)
        out.sequencer->render(*out.synth, stereo, frames);
    else
        std::memset(stereo, 0, sizeof(short) * 2 * frames);
}

// Makes the synthesiser on first use; false when it cannot be had.
bool haveSynthesiser(Output& out) {
    if (out.synth)
        return true;
    const int rate = platform::AudioSampleRate();
    auto synth = std::make_unique<Synthesiser>(rate, findSoundFont());
    if (!synth->ok())
        return false;
    out.synth = std::move(synth);
    out.sequencer = std::make_unique<Sequencer>(rate);
    return true;
}

} // namespace

unsigned midiOutOpen(MidiOutHandle* handle, int deviceId) {
    if (deviceId != MIDI_MAPPER && deviceId != 0)
        return MIDI_OUT_BAD_DEVICE;
    if (!platform::AudioAvailable())
        return MIDI_OUT_NO_DRIVER;
    Output& out = output();
    {
        std::lock_guard<std::mutex> guard(out.lock);
        if (out.open != 0)
            return MIDI_OUT_ALLOCATED;
        if (!haveSynthesiser(out))
            return MIDI_OUT_NO_DRIVER;
        if (++out.lastHandle == 0) // the count wrapped: 0 means "no handle"
            ++out.lastHandle;
        out.open = out.lastHandle;
        *handle = out.open;
    }
    // Set on every open: the device may have been closed and opened again since.
    platform::SetMusicRenderer(render);
    return MIDI_OUT_OK;
}

unsigned midiOutClose(MidiOutHandle handle) {
    Output& out = output();
    std::lock_guard<std::mutex> guard(out.lock);
    if (handle == 0 || handle != out.open)
        return MIDI_OUT_BAD_HANDLE;
    out.sequencer->stop(*out.synth);
    out.open = 0;
    return MIDI_OUT_OK;
}

void playOnOutput(MidiOutHandle handle, std::shared_ptr<const MidiSong> song, uint32_t startMs) {
    Output& out = output();
    std::lock_guard<std::mutex> guard(out.lock);
    if (handle != 0 && handle == out.open)
        out.sequencer->play(std::move(song), startMs, *out.synth);
}

void stopOutput() {
    Output& out = output();
    std::lock_guard<std::mutex> guard(out.lock);
    if (out.sequencer)
        out.sequencer->stop(*out.synth);
}

double outputPositionMs() {
    Output& out = output();
    std::lock_guard<std::mutex> guard(out.lock);
    return out.sequencer ? out.sequencer->positionMs() : 0;
}
