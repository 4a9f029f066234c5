// The MIDI file reader: times through the tempo map, merging of tracks, running status,
// and every way a hostile file can be wrong.
#include "music/midi_file.h"
#include "unit/music/smf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

using namespace smf;

namespace {

MidiSong parsed(const Bytes& bytes) {
    auto result = parseMidi(bytes.data(), bytes.size());
    EXPECT_TRUE(std::holds_alternative<MidiSong>(result));
    return std::holds_alternative<MidiSong>(result) ? std::get<MidiSong>(result) : MidiSong{};
}

MidiError failure(const Bytes& bytes) {
    auto result = parseMidi(bytes.data(), bytes.size());
    EXPECT_TRUE(std::holds_alternative<MidiError>(result));
    return std::holds_alternative<MidiError>(result) ? std::get<MidiError>(result)
                                                     : MidiError::CannotOpen;
}

std::vector<double> timesMs(const MidiSong& song) {
    std::vector<double> times;
    for (const MidiEvent& e : song.events)
        times.push_back(e.timeUs / 1000);
    return times;
}

} // namespace

TEST(MidiTempoMap, OneTempoScalesEveryTick) {
    // 250000 us a quarter and 480 ticks a quarter: 960 ticks are half a second.
    const MidiSong song = parsed(file(0, 480,
                                      {track({tempo(0, 250000), event(0, {0x90, 60, 90}),
                                              event(960, {0x80, 60, 0}), endOfTrack(960)})}));
    EXPECT_EQ(timesMs(song), (std::vector<double>{0, 500}));
    EXPECT_EQ(song.lengthMs(), 1000u);
    EXPECT_EQ(song.events[0].status, 0x90);
    EXPECT_EQ(song.events[0].data1, 60);
    EXPECT_EQ(song.events[0].data2, 90);
    // Without a tempo event a quarter lasts half a second.
    EXPECT_EQ(parsed(heldNote(1500)).lengthMs(), 1500u);
}

TEST(MidiTempoMap, TempoChangesApplyFromTheirTickOn) {
    // 480 ticks at 0.5 s a quarter, then 1 s a quarter: an event 240 ticks after the change
    // is at 0.5 + 0.5 s, the end 480 ticks after it at 1.5 s.
    const MidiSong song = parsed(file(0, 480,
                                      {track({tempo(0, 500000), tempo(480, 1000000),
                                              event(240, {0x90, 60, 90}), endOfTrack(240)})}));
    EXPECT_EQ(timesMs(song), (std::vector<double>{1000}));
    EXPECT_EQ(song.lengthMs(), 1500u);
    EXPECT_EQ(song.tempoChanges, 2);
}

TEST(MidiTempoMap, FormatOneMergesTracksUnderTheFirstTracksTempoMap) {
    const Bytes conductor = track({tempo(0, 500000), tempo(480, 250000), endOfTrack(0)});
    const Bytes melody =
        track({event(240, {0x90, 72, 80}), event(480, {0x80, 72, 0}), endOfTrack(0)});
    const Bytes bass =
        track({event(0, {0x91, 48, 70}), event(480, {0x81, 48, 0}), endOfTrack(960)});
    const MidiSong song = parsed(file(1, 480, {conductor, melody, bass}));
    EXPECT_EQ(song.format, 1);
    EXPECT_EQ(song.trackCount, 3);
    // bass on at 0; melody on at 240 ticks (250 ms); both at tick 480 (500 ms): the earlier
    // track first; melody off at 720 ticks = 500 + 240 ticks at 250 ms a quarter (125 ms).
    EXPECT_EQ(timesMs(song), (std::vector<double>{0, 250, 500, 625}));
    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[2].status, 0x81);
    // The longest track decides: bass ends at tick 1440 = 500 ms + 960 ticks at 0.25 s a quarter.
    EXPECT_EQ(song.lengthMs(), 1000u);
}

TEST(MidiTempoMap, RunningStatusRepeatsTheLastChannelStatus) {
    const MidiSong song =
        parsed(file(0, 480,
                    {track({event(0, {0x90, 60, 90}), event(0, {64, 90}), // running note-on
                            event(0, {0xC0, 5}), event(0, {6}), endOfTrack(0)})}));
    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[1].status, 0x90);
    EXPECT_EQ(song.events[1].data1, 64);
    EXPECT_EQ(song.events[3].status, 0xC0); // one data byte: program change
    EXPECT_EQ(song.events[3].data1, 6);
}

TEST(MidiTempoMap, MetaAndSystemExclusiveEventsCancelRunningStatus) {
    const Bytes text = event(0, {0xFF, 0x01, 0x02, 'h', 'i'});
    const Bytes sysex = event(0, {0xF0, 0x03, 0x7E, 0x09, 0xF7});
    for (const Bytes& interruption : {text, sysex}) {
        EXPECT_EQ(failure(file(0, 480,
                               {track({event(0, {0x90, 60, 90}), interruption, event(0, {62, 90}),
                                       endOfTrack(0)})})),
                  MidiError::Corrupt);
        const MidiSong restated = parsed(file(0, 480,
                                              {track({event(0, {0x90, 60, 90}), interruption,
                                                      event(0, {0x90, 62, 90}), endOfTrack(0)})}));
        EXPECT_EQ(restated.events.size(), 2u);
    }
}

TEST(MidiTempoMap, SmpteDivisionCountsFramesAndIgnoresTempo) {
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    const uint16_t fps25 = uint16_t(uint8_t(-25)) << 8 | 40;
    EXPECT_EQ(
        parsed(file(0, fps25,
                    {track({tempo(0, 1000000), event(500, {0x90, 60, 1}), endOfTrack(2000)})}))
            .lengthMs(),
        2500u);
    // "29" is 29.97 frames a second: 2997 ticks of 100 a frame take one second.
    const uint16_t fps2997 = uint16_t(uint8_t(-29)) << 8 | 100;
    EXPECT_EQ(parsed(file(0, fps2997, {track({endOfTrack(2997)})})).lengthMs(), 1000u);
}

TEST(MidiTempoMap, FileLayoutDetailsAreTolerated) {
    // A longer header, a chunk of an unknown kind, and a track with no end-of-track event.
    Bytes bytes{'M', 'T', 'h', 'd', 0, 0, 0, 8, 0, 0, 0, 1, 0x01, 0xE0, 0xAA, 0xBB};
    append(bytes, {{'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 1, 2}});
    Bytes body = event(960, {0x90, 60, 90});
    append(bytes, {{'M', 'T', 'r', 'k'}, be32(uint32_t(body.size())), body});
    const MidiSong song = parsed(bytes);
    EXPECT_EQ(song.lengthMs(), 1000u);
    EXPECT_EQ(song.events.size(), 1u);
}

TEST(MidiTempoMap, AVeryLongPieceSaturatesInsteadOfTurningNegative) {
    // The slowest tempo and the longest delta, at one tick a quarter: 0x0FFFFFFF quarters of
    // 16.7 s each, far past 2^31 ms.
    const MidiSong song = parsed(file(0, 1, {track({tempo(0, 0xFFFFFF), endOfTrack(0x0FFFFFFF)})}));
    EXPECT_EQ(song.lengthMs(), uint32_t(INT_MAX));
}

TEST(MidiFileHostile, EveryTruncationOfAGoodFileIsAnError) {
    const Bytes good =
        file(1, 480,
             {track({tempo(0, 400000), endOfTrack(0)}),
              track({event(0, {0x90, 60, 90}), event(0x4000, {60, 0}), endOfTrack(10)})});
    parsed(good);
    for (size_t size = 0; size < good.size(); ++size) {
        const Bytes cut(good.begin(), good.begin() + long(size));
        const MidiError error = failure(cut);
        EXPECT_TRUE(error == MidiError::NotMidi || error == MidiError::Truncated)
            << "cut at " << size << " gave " << int(error);
    }
}

TEST(MidiFileHostile, BadContentGivesItsError) {
    struct Case {
        const char* what;
        Bytes bytes;
        MidiError error;
    };
    const Bytes note = event(0, {0x90, 60, 90});
    const Case cases[] = {
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
    };
    for (const Case& c : cases)
        EXPECT_EQ(failure(c.bytes), c.error) << c.what;
    Bytes twoPromised = file(1, 480, {track({endOfTrack(0)})});
    twoPromised[11] = 2;
    EXPECT_EQ(failure(twoPromised), MidiError::Truncated);
}

TEST(MidiFileRead, MissingAndOversizedFilesAreRefused) {
    EXPECT_EQ(std::get<MidiError>(readMidiFile("no such file.mid")), MidiError::CannotOpen);
    const std::string path = testing::TempDir() + "huge.mid";
    Bytes bytes = heldNote(1000);
    bytes.resize(MAX_MIDI_FILE_BYTES + 1);
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    EXPECT_EQ(std::get<MidiError>(readMidiFile(path)), MidiError::TooLarge);
    std::remove(path.c_str());
}
