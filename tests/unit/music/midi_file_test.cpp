// The MIDI file reader: times through the tempo map, merging of tracks, running status,
// and every way a hostile file can be wrong.
#include "music/midi_file.h"
#include "unit/music/smf.h"
#include "unit/music/work_folder.h"

#include <climits>
#include <tuple>

using namespace smf;

namespace {

// The song, or the error, that a file must give; the other answer throws, failing the test.
MidiSong parsed(const Bytes& bytes) {
    return std::get<MidiSong>(parseMidi(bytes.data(), bytes.size()));
}
MidiError failure(const Bytes& bytes) {
    return std::get<MidiError>(parseMidi(bytes.data(), bytes.size()));
}

using Timeline = std::vector<std::pair<double, int>>; // ms, status

TEST(MidiFile, TimesFollowTheDivisionAndTheTempoMap) {
    const Bytes on = {0x90, 60, 90}, off = {0x80, 60, 0};
    const uint16_t fps25 = uint16_t(uint8_t(-25)) << 8 | 40;    // 1000 ticks a second
    const uint16_t fps2997 = uint16_t(uint8_t(-29)) << 8 | 100; // 29.97 frames a second
    const Bytes longHeader{'M', 'T', 'h', 'd', 0, 0, 0, 8, 0, 0, 0, 1, 0x01, 0xE0, 0xAA, 0xBB};
    const Bytes unknownChunk{'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 1, 2};
    const struct {
        const char* what;
        Bytes bytes;
        Timeline events;
        uint32_t lengthMs;
    } cases[] = {
        {"0.25 s a quarter",
         file(0, 480, {track({tempo(0, 250000), event(0, on), event(960, off), endOfTrack(960)})}),
         {{0, 0x90}, {500, 0x80}},
         1000},
        {"no tempo: 0.5 s a quarter", heldNote(1500), {{0, 0xC0}, {0, 0x90}, {1500, 0x80}}, 1500},
        {"a change applies from its tick on",
         file(0, 480,
              {track({tempo(0, 500000), tempo(480, 1000000), event(240, on), endOfTrack(240)})}),
         {{1000, 0x90}},
         1500},
        // The first track's tempo map times the others; at the same time the earlier track
        // comes first; the longest track decides the length.
        {"format 1",
         file(1, 480,
              {track({tempo(0, 500000), tempo(480, 250000), endOfTrack(0)}),
               track({event(240, {0x90, 72, 80}), event(240, {0x80, 72, 0})}),
               track({event(480, {0x91, 48, 70}), event(0, {0x81, 48, 0}), endOfTrack(960)})}),
         {{250, 0x90}, {500, 0x80}, {500, 0x91}, {500, 0x81}},
         1000},
        {"SMPTE ignores tempo",
         file(0, fps25, {track({tempo(0, 250000), event(500, on), endOfTrack(2000)})}),
         {{500, 0x90}},
         2500},
        {"SMPTE 29.97", file(0, fps2997, {track({endOfTrack(2997)})}), {}, 1000},
        {"long header, unknown chunk, no end of track",
         cat({longHeader, unknownChunk, track({event(960, on)})}),
         {{1000, 0x90}},
         1000},
        {"longer than an int of ms saturates",
         file(0, 1, {track({tempo(0, 0xFFFFFF), endOfTrack(0x0FFFFFFF)})}),
         {},
         INT_MAX},
    };
    for (const auto& c : cases) {
        const MidiSong song = parsed(c.bytes);
        Timeline events;
        for (const MidiEvent& e : song.events)
            events.emplace_back(e.timeUs / 1000, e.status);
        EXPECT_EQ(events, c.events) << c.what;
        EXPECT_EQ(song.lengthMs(), c.lengthMs) << c.what;
    }
}

TEST(MidiFile, RunningStatusRepeatsTheLastChannelStatusUntilAMetaOrSysex) {
    const MidiSong song = parsed(file(0, 480,
                                      {track({event(0, {0x90, 60, 90}), event(0, {64, 91}),
                                              event(0, {0xC0, 5}), event(0, {6})})}));
    std::vector<std::tuple<int, int, int>> events;
    for (const MidiEvent& e : song.events)
        events.emplace_back(e.status, e.data1, e.data2);
    // A program change has one data byte.
    EXPECT_EQ(events,
              (decltype(events){{0x90, 60, 90}, {0x90, 64, 91}, {0xC0, 5, 0}, {0xC0, 6, 0}}));
    for (const Bytes& meta :
         {Bytes{0xFF, 0x01, 0x02, 'h', 'i'}, Bytes{0xF0, 0x03, 0x7E, 9, 0xF7}}) {
        const Bytes before = event(0, {0x90, 60, 90}), between = event(0, meta);
        EXPECT_EQ(failure(file(0, 480, {track({before, between, event(0, {62, 90})})})),
                  MidiError::Corrupt);
        EXPECT_EQ(parsed(file(0, 480, {track({before, between, event(0, {0x90, 62, 90})})}))
                      .events.size(),
                  2u);
    }
}

TEST(MidiFileHostile, EveryTruncationOfAGoodFileIsAnError) {
    const Bytes good =
        file(1, 480,
             {track({tempo(0, 400000), endOfTrack(0)}),
              track({event(0, {0x90, 60, 90}), event(0x4000, {60, 0}), endOfTrack(10)})});
    parsed(good);
    for (size_t size = 0; size < good.size(); ++size) {
        const MidiError error = failure(Bytes(good.begin(), good.begin() + long(size)));
        EXPECT_TRUE(error == MidiError::NotMidi || error == MidiError::Truncated)
            << "cut at " << size << " gave " << int(error);
    }
}

TEST(MidiFileHostile, BadContentGivesItsError) {
    const Bytes note = event(0, {0x90, 60, 90});
    Bytes twoPromised = file(1, 480, {track({endOfTrack(0)})});
    twoPromised[11] = 2;
    const struct {
        const char* what;
        Bytes bytes;
        MidiError error;
    } cases[] = {
        {"not a MIDI file",
         {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0},
         MidiError::NotMidi},
        {"short header", {'M', 'T', 'h', 'd', 0, 0, 0, 5, 0, 0, 0, 1, 1}, MidiError::NotMidi},
        {"format 2", file(2, 480, {track({endOfTrack(0)})}), MidiError::Unsupported},
        {"division 0", file(0, 0, {track({endOfTrack(0)})}), MidiError::Unsupported},
        {"SMPTE 26 fps", file(0, uint16_t(uint8_t(-26)) << 8 | 4, {track({endOfTrack(0)})}),
         MidiError::Unsupported},
        {"no tracks", file(0, 480, {}), MidiError::Corrupt},
        {"five-byte delta", file(0, 480, {track({{0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 90}})}),
         MidiError::Corrupt},
        {"data byte first", file(0, 480, {track({event(0, {60, 90})})}), MidiError::Corrupt},
        {"status in data", file(0, 480, {track({event(0, {0x90, 60, 0x90})})}), MidiError::Corrupt},
        {"real-time byte", file(0, 480, {track({note, event(0, {0xF8})})}), MidiError::Corrupt},
        {"short tempo", file(0, 480, {track({event(0, {0xFF, 0x51, 0x02, 1, 2})})}),
         MidiError::Corrupt},
        {"zero tempo", file(0, 480, {track({tempo(0, 0)})}), MidiError::Corrupt},
        {"meta past chunk", file(0, 480, {track({event(0, {0xFF, 0x01, 0x09, 'a'})})}),
         MidiError::Truncated},
        {"sysex past chunk", file(0, 480, {track({event(0, {0xF0, 0x7F, 1})})}),
         MidiError::Truncated},
        {"a track promised, none there", twoPromised, MidiError::Truncated},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failure(c.bytes), c.error) << c.what;
}

class MidiFileHostileFile : public WorkFolder {};

TEST_F(MidiFileHostileFile, MissingAndOversizedFilesAreRefused) {
    EXPECT_EQ(std::get<MidiError>(readMidiFile("no such file.mid")), MidiError::CannotOpen);
    Bytes bytes = heldNote(1000);
    bytes.resize(MAX_MIDI_FILE_BYTES + 1);
    writeFile("huge.mid", bytes);
    EXPECT_EQ(std::get<MidiError>(readMidiFile("huge.mid")), MidiError::TooLarge);
}

} // namespace
