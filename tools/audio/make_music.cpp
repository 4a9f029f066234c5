// Makes "SONAT_A1.MID": a sonatina movement of our own in A major for piano, 33 bars of
// 4/4 (about 75 s), as a Standard MIDI File, format 1, 480 ticks a quarter note, with four
// tracks: the tempo map (108 beats a minute, slowing over the last three bars), the melody,
// an inner voice of half notes and an Alberti bass. Form: theme in A (bars 1-8), the
// theme again, turning to E (9-16), a development through F# minor (17-24), the theme's
// return (25-31) and a cadence (32-33).
// Usage: make_music OUTPUT_FILE
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int QUARTER = 480;
constexpr int EIGHTH = QUARTER / 2;
constexpr int BAR = 4 * QUARTER;

struct Bar {
    const char* chords; // one chord, or two for the bar's two halves
    const char* melody; // NOTE:EIGHTHS ..., adding up to 8 eighths
    int velocity;
};

const Bar THEME[] = {
    {"A", "C#5:2 E5:2 A5:3 G#5:1", 80},    {"D", "F#5:3 E5:1 D5:2 F#5:2", 80},
    {"E", "E5:3 D5:1 B4:2 G#4:2", 76},     {"A", "A4:4 C#5:2 E5:2", 76},
    {"F#m", "F#5:2 C#5:2 A4:2 C#5:2", 80}, {"D", "D5:2 F#5:2 A5:2 F#5:2", 84},
    {"E7", "E5:2 G#5:2 B5:2 D5:2", 84},
};

const Bar TO_DOMINANT[] = {
    {"A", "C#5:4 A4:4", 76},
    {"A", "C#5:2 E5:2 A5:3 G#5:1", 88},
    {"D", "F#5:3 E5:1 D5:2 A5:2", 88},
    {"B7", "D#5:2 F#5:2 A5:2 F#5:2", 90},
    {"E", "G#5:4 E5:4", 90},
    {"C#m", "E5:2 G#5:2 C#6:2 B5:2", 92},
    {"F#m", "A5:2 G#5:1 F#5:1 E5:2 C#5:2", 88},
    {"B7", "D#5:2 F#5:2 B5:2 A5:2", 90},
    {"E", "G#5:2 E5:2 B4:4", 84},
};

const Bar DEVELOPMENT[] = {
    {"F#m", "A5:3 G#5:1 F#5:2 C#5:2", 70},
    {"C#m", "E5:3 D#5:1 E5:2 G#5:2", 70},
    {"D", "F#5:2 E5:1 D5:1 A4:2 D5:2", 72},
    {"A", "C#5:2 E5:2 A5:4", 74},
    {"Bm", "D5:2 F#5:2 B5:2 A5:1 G#5:1", 76},
    {"F#m", "A5:2 F#5:2 C#5:2 A4:2", 78},
    {"E", "G#4:1 A4:1 B4:1 C#5:1 D5:1 E5:1 F#5:1 G#5:1", 84},
    {"E7", "B5:4 D5:2 G#4:2", 88},
};

const Bar CADENCE[] = {
    {"D E7", "F#5:2 D5:2 B4:2 G#4:2", 72},
    {"A", "A4:8", 64},
};

// Tempo changes: (bar, beat) -> beats a minute.
struct TempoMark {
    int bar, beat, bpm;
};
const TempoMark TEMPI[] = {{0, 0, 108}, {30, 0, 100}, {31, 0, 92}, {31, 2, 84}, {32, 0, 72}};

int pitchClass(const std::string& name, size_t& pos) {
    static const int NATURAL[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int pc = NATURAL[name[pos++] - 'A'];
    if (pos < name.size() && name[pos] == '#')
        ++pos, ++pc;
    else if (pos < name.size() && name[pos] == 'b')
        ++pos, --pc;
    return (pc + 12) % 12;
}

// "C#5" -> 73 (MIDI note numbers: C4 = 60).
int noteNumber(const std::string& name) {
    size_t pos = 0;
    const int pc = pitchClass(name, pos);
    const int octave = name[pos] - '0';
    return 12 * (octave + 1) + pc;
}

struct Chord {
    int root, third, fifth; // root as a pitch class, the others as intervals above it
    bool seventh;
};

Chord chordOf(const std::string& name) {
    size_t pos = 0;
    Chord chord{pitchClass(name, pos), 4, 7, false};
    if (pos < name.size() && name[pos] == 'm')
        chord.third = 3;
    chord.seventh = name.back() == '7';
    return chord;
}

class Track {
public:
    void meta(int tick, uint8_t type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> bytes = {0xFF, type, static_cast<uint8_t>(data.size())};
        bytes.insert(bytes.end(), data.begin(), data.end());
        events_.push_back({tick, 1, bytes});
    }
    void channel(int tick, uint8_t status, uint8_t a, uint8_t b) {
        events_.push_back({tick, 1, {status, a, b}});
    }
    void program(int tick, uint8_t ch, uint8_t program) {
        events_.push_back({tick, 1, {static_cast<uint8_t>(0xC0 | ch), program}});
    }
    void note(int tick, int length, uint8_t ch, int key, int velocity) {
        channel(tick, 0x90 | ch, key, velocity);
        // A note-on of velocity 0 ends the note, so running status carries on through both.
        events_.push_back(
            {tick + length, 0, {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key), 0}});
    }
    // The chunk's bytes: delta times, running status for channel messages (cancelled by
    // meta events), the end of track one bar after the last event.
    std::vector<uint8_t> bytes() {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank; // note ends first
        });
        std::vector<uint8_t> out;
        int last = 0;
        uint8_t running = 0;
        for (const Event& e : events_) {
            putVarLen(out, e.tick - last);
            last = e.tick;
            const bool repeat = e.bytes[0] == running;
            out.insert(out.end(), e.bytes.begin() + (repeat ? 1 : 0), e.bytes.end());
            running = e.bytes[0] < 0xF0 ? e.bytes[0] : 0;
        }
        putVarLen(out, 0);
        out.insert(out.end(), {0xFF, 0x2F, 0x00});
        return out;
    }

private:
    struct Event {
        int tick;
        int rank;
        std::vector<uint8_t> bytes;
    };
    static void putVarLen(std::vector<uint8_t>& out, uint32_t v) {
        uint8_t groups[4];
        int n = 0;
        do {
            groups[n++] = v & 0x7F;
            v >>= 7;
        } while (v && n < 4);
        while (n-- > 0)
            out.push_back(static_cast<uint8_t>(groups[n] | (n ? 0x80 : 0)));
    }
    std::vector<Event> events_;
};

std::vector<Bar> score() {
    std::vector<Bar> bars;
    for (const auto& part : {std::vector<Bar>(std::begin(THEME), std::end(THEME)),
                             std::vector<Bar>(std::begin(TO_DOMINANT), std::end(TO_DOMINANT)),
                             std::vector<Bar>(std::begin(DEVELOPMENT), std::end(DEVELOPMENT)),
                             std::vector<Bar>(std::begin(THEME), std::end(THEME)),
                             std::vector<Bar>(std::begin(CADENCE), std::end(CADENCE))})
        bars.insert(bars.end(), part.begin(), part.end());
    return bars;
}

void writeMelody(Track& track, int start, const Bar& bar) {
    std::istringstream tokens(bar.melody);
    std::string token;
    int at = start;
    while (tokens >> token) {
        const size_t colon = token.find(':');
        const int length = std::stoi(token.substr(colon + 1)) * EIGHTH;
        track.note(at, length - 10, 0, noteNumber(token.substr(0, colon)), bar.velocity);
        at += length;
    }
}

// Alberti figure (root, fifth, third an octave up, fifth) in eighths for a half bar, with
// the root between A2 and G#3; a final bar holds the chord instead.
void writeHarmony(Track& inner, Track& bass, int start, const Bar& bar, bool last) {
    std::istringstream names(bar.chords);
    std::vector<std::string> chords{std::istream_iterator<std::string>(names), {}};
    const int span = BAR / static_cast<int>(chords.size());
    for (size_t i = 0; i < chords.size(); ++i) {
        const Chord c = chordOf(chords[i]);
        const int at = start + static_cast<int>(i) * span;
        const int root = 45 + (c.root - 9 + 12) % 12;
        const int inTop = 57 + (c.root + c.third - 9 + 12) % 12; // A3 .. G#4
        const int velocity = bar.velocity - 22;
        if (last) {
            bass.note(at, BAR * 2, 2, root - 12, velocity);
            bass.note(at, BAR * 2, 2, root, velocity);
            inner.note(at, BAR * 2, 1, inTop, velocity - 6);
            inner.note(at, BAR * 2, 1, root + c.fifth + 12, velocity - 6);
            continue;
        }
        const int figure[] = {root, root + c.fifth, root + 12 + c.third,
                              root + (c.seventh ? 10 : c.fifth)};
        for (int k = 0; k < span / EIGHTH; ++k)
            bass.note(at + k * EIGHTH, EIGHTH - 10, 2, figure[k % 4], velocity);
        inner.note(at, span - 20, 1, inTop, velocity - 8);
    }
}

std::vector<uint8_t> tempoMap(int length) {
    Track track;
    track.meta(0, 0x03, {'S', 'o', 'n', 'a', 't', 'i', 'n', 'a', ' ', 'i', 'n', ' ', 'A'});
    track.meta(0, 0x58, {4, 2, 24, 8}); // 4/4, clocks a click, 32nds a quarter
    track.meta(0, 0x59, {3, 0});        // three sharps, major
    for (const TempoMark& m : TEMPI) {
        const uint32_t us = 60000000 / m.bpm;
        track.meta(m.bar * BAR + m.beat * QUARTER, 0x51,
                   {static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8),
                    static_cast<uint8_t>(us)});
    }
    track.meta(length, 0x01, {'F', 'i', 'n', 'e'});
    return track.bytes();
}

void putChunk(std::ofstream& out, const char* id, const std::vector<uint8_t>& data) {
    out.write(id, 4);
    const uint32_t n = static_cast<uint32_t>(data.size());
    const char size[] = {static_cast<char>(n >> 24), static_cast<char>(n >> 16),
                         static_cast<char>(n >> 8), static_cast<char>(n)};
    out.write(size, 4);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(n));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_music OUTPUT_FILE\n");
        return 2;
    }
    const std::vector<Bar> bars = score();
    Track melody, inner, bass;
    for (uint8_t ch = 0; ch < 3; ++ch) {
        Track& t = ch == 0 ? melody : ch == 1 ? inner : bass;
        t.program(0, ch, 0);                       // acoustic grand piano
        t.channel(0, 0xB0 | ch, 10, 54 + 10 * ch); // pan: melody left of bass, a little
    }
    for (size_t i = 0; i < bars.size(); ++i) {
        const int start = static_cast<int>(i) * BAR;
        writeMelody(melody, start, bars[i]);
        writeHarmony(inner, bass, start, bars[i], i + 1 == bars.size());
    }
    const int length = static_cast<int>(bars.size() + 1) * BAR; // the last chord rings a bar
    std::ofstream out(argv[1], std::ios::binary);
    out.write("MThd\0\0\0\6\0\1\0\4", 12); // header: 6 bytes, format 1, 4 tracks
    out.put(static_cast<char>(QUARTER >> 8)).put(static_cast<char>(QUARTER & 0xFF));
    putChunk(out, "MTrk", tempoMap(length));
    for (Track* t : {&melody, &inner, &bass})
        putChunk(out, "MTrk", t->bytes());
    if (!out) {
        std::fprintf(stderr, "make_music: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
