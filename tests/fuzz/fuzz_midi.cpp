// libFuzzer target for the MIDI file reader: any bytes give either a song or an error code,
// never a crash or a read past the input; a song's events come in time order and none
// comes after the song's end.
#include "music/midi_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto result = parseMidi(data, size);
    if (const MidiSong* song = std::get_if<MidiSong>(&result)) {
        for (size_t i = 0; i < song->events.size(); ++i) {
            const double t = song->events[i].timeUs;
            if ((i > 0 && t < song->events[i - 1].timeUs) || t > song->lengthUs)
                std::abort();
        }
        if (static_cast<int>(song->lengthMs()) < 0)
            std::abort(); // a negative length would read as an error code
    }
    return 0;
}
