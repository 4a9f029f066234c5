// The DIB reader: headers of both kinds, every depth and compression it converts, the
// colour table's size and place, row order, short and hostile files, and the messages the
// player sees for them.
#include "bmp_bytes.h"

#include "images/dib_reader.h"
#include "platform/run_state.h"

#include <gtest/gtest.h>

namespace {

// Colour-table entries by index; -1 is black.
Grid tableGrid(std::initializer_list<int> indices) {
    Grid grid;
    for (int i : indices)
        grid.push_back(i < 0 ? Rgb{} : tableColour(i));
    return grid;
}

// The depths' own counts show in where the decoder finds the pixels; here what they cannot.
TEST(DibColorCount, ColoursUsedCountsAtAnyDepthAndShortHeadersGiveNone) {
    const Bytes info8 = infoHeader(1, 1, 8);
    EXPECT_EQ(dibColorCount(infoHeader(1, 1, 24, 0, 7)), 7);
    EXPECT_EQ(dibColorCount(Bytes(info8.begin(), info8.begin() + 39)), 0);
    EXPECT_EQ(dibColorCount(Bytes{12, 0}), 0);
}

TEST(DibReader, ConvertsEveryDepthAndCompressionToRgbBottomRowFirst) {
    const Grid core8Pixels = tableGrid({0, 1, 254, 255, 7, 8, 9, 10});
    Bytes words = le(31 << 10, 2) + le(16 << 5 | 1, 2) + le(0x7FFF, 2) + le(0, 2); // 5-5-5
    const Bytes core8 =
        coreHeader(4, 2, 8) + colourTable(256, 3) + Bytes{0, 1, 254, 255, 7, 8, 9, 10};
    Bytes shortRows = infoHeader(2, 4, 24) + patternRows(2, 4, 3);
    shortRows.resize(40 + 8 + 3); // one whole row of 8 bytes and a bit
    const struct {
        const char* what;
        Bytes file;
        int width, height;
        Grid pixels;
    } cases[] = {
        {"24 bits, rows of 16 bytes for 15",
         fileHeader(54) + infoHeader(5, 3, 24) + patternRows(5, 3, 3), 5, 3, patternGrid(5, 3, 3)},
        {"32 bits drop the fourth byte", infoHeader(3, 2, 32) + patternRows(3, 2, 4), 3, 2,
         patternGrid(3, 2, 2)},
        {"top-down turned over", infoHeader(2, -3, 24) + patternRows(2, 3, 3), 2, 3,
         patternGrid(2, 3, 3, true)},
        {"short rows stay black", shortRows, 2, 4, patternGrid(2, 4, 1)},
        // 31 widens to 255, 16 to 132 (16 << 3 | 16 >> 2).
        {"16 bits",
         infoHeader(3, 1, 16) + words,
         3,
         1,
         {{255, 0, 0}, {0, 132, 8}, {255, 255, 255}}},
        {"1 bit, most significant first",
         infoHeader(4, 1, 1) + colourTable(2, 4) + Bytes{0b10110000, 0, 0, 0}, 4, 1,
         tableGrid({1, 0, 1, 1})},
        // Pixels after the 16-entry table, at 40 + 16 x 4.
        {"4 bits, bare", infoHeader(2, 1, 4) + colourTable(16, 4) + Bytes{0xF3, 0, 0, 0}, 2, 1,
         tableGrid({15, 3})},
        {"8 bits, core header, 3-byte colours", core8, 4, 2, core8Pixels},
        {"the same with a file header", fileHeader(14 + 780) + core8, 4, 2, core8Pixels},
        // A table of 100 entries; indices beyond it are black.
        {"colours used", infoHeader(3, 1, 8, 0, 100) + colourTable(100, 4) + Bytes{99, 0, 100, 0},
         3, 1, tableGrid({99, 0, -1})},
        // A run, an end of line, a literal of 3 (padded to 4 bytes), a delta of (1, 0) and a
        // run that overflows its row; skipped pixels stay black.
        {"RLE 8",
         infoHeader(4, 3, 8, 1) + colourTable(256, 4) +
             Bytes{2, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 0, 9, 4, 0, 1},
         4, 3, tableGrid({5, 5, -1, -1, 1, 2, 3, -1, -1, 4, 4, 4})},
        // A run alternates the two nibbles; a literal of 5 nibbles takes 3 bytes padded to 4.
        {"RLE 4",
         infoHeader(5, 2, 4, 2) + colourTable(16, 4) +
             Bytes{5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1},
         5, 2, tableGrid({1, 2, 1, 2, 1, 3, 4, 5, 6, 7})},
    };
    for (const auto& c : cases) {
        PictureReading reading = decodeDibImage(c.file);
        EXPECT_EQ(reading.failure, "") << c.what;
        ASSERT_TRUE(reading.picture) << c.what;
        EXPECT_EQ(std::pair(reading.picture->width, reading.picture->height),
                  std::pair(c.width, c.height))
            << c.what;
        EXPECT_EQ(reading.picture->rowOrder, RowOrder::BottomFirst);
        EXPECT_EQ(gridOf(reading.picture->pixels), c.pixels) << c.what;
    }
}

TEST(DibReader, RefusesHostileAndUnknownFiles) {
    const Bytes header108 = infoHeader(2, 2, 24, 0, 0, 108);
    const char* const unknown = "Unknown DIB file format.";
    const char* const conversion = "Image file conversion error.";
    const std::tuple<const char*, Bytes, const char*> cases[] = {
        {"header 108", header108 + patternRows(2, 2, 3), unknown},
        {"header cut short", Bytes(header108.begin(), header108.begin() + 30), unknown},
        {"file header only", fileHeader(54), unknown},
        {"three bytes", Bytes{'B', 'M', 0}, unknown},
        {"100000 x 100000", infoHeader(100000, 100000, 24) + Bytes(20), unknown},
        {"core 65535 wide", coreHeader(65535, 1, 24) + Bytes(20), unknown},
        {"lowest height", infoHeader(1, INT32_MIN, 24) + Bytes(20), unknown},
        {"zero width", infoHeader(0, 1, 24) + Bytes(20), unknown},
        {"negative width", infoHeader(-2, 1, 24) + Bytes(20), unknown},
        {"zero height", infoHeader(1, 0, 24) + Bytes(20), unknown},
        {"bit fields", infoHeader(1, 1, 16, 3) + Bytes(20), conversion},
        {"RLE8 at 4 bits", infoHeader(1, 1, 4, 1) + Bytes(80), conversion},
        {"7 bits", infoHeader(1, 1, 7) + Bytes(20), conversion},
        {"no pixel data", infoHeader(1, 1, 24), conversion},
        {"offset past the end", fileHeader(4000) + infoHeader(1, 1, 24) + Bytes(4), conversion},
        {"less than a row", infoHeader(4, 1, 24) + Bytes(11), conversion},
        {"colour table past the end", infoHeader(1, 1, 8) + Bytes(10), conversion},
    };
    for (const auto& [what, bytes, message] : cases) {
        const PictureReading reading = decodeDibImage(bytes);
        EXPECT_EQ(reading.failure, message) << what;
        EXPECT_FALSE(reading.picture) << what;
    }
}

// What the player is told: one message a file, captioned "Error", naming the file when it
// cannot be opened; a good file shows nothing.
TEST(DibMessages, EachFailureShowsItsOneMessage) {
    platform::CurrentRun().headless = true; // message boxes become lines on stderr
    const auto unopened = [](const std::string& path) {
        return std::pair(path, "Error: Failed to open DIB file " + path + ".\n\n");
    };
    const std::pair<std::string, std::string> cases[] = {
        unopened(tempPath("missing.bmp")),
        unopened(writeTempFile("empty.bmp", {})),
        unopened(tempPath("")), // a folder
        {writeTempFile("v4.bmp", fileHeader(122) + infoHeader(2, 2, 24, 0, 0, 108) + Bytes(16)),
         "Error: Unknown DIB file format.\n"},
        {writeTempFile("fields.bmp", infoHeader(2, 2, 16, 3) + Bytes(16)),
         "Error: Image file conversion error.\n"},
        {writeTempFile("good.bmp", infoHeader(2, 2, 24) + Bytes(16)), ""},
    };
    for (const auto& [path, message] : cases) {
        testing::internal::CaptureStderr();
        const std::optional<Picture> picture = loadDibImage(path.c_str());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), message) << path;
        EXPECT_EQ(picture.has_value(), message.empty()) << path;
    }
}

} // namespace
