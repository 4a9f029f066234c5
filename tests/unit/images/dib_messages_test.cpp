// What the player is told when a DIB cannot be read: one message a file, captioned "Error",
// naming the file when it cannot be opened.
#include "bmp_bytes.h"

#include "images/dib_reader.h"
#include "platform/run_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Loads the file and returns what was shown; a successful load must show nothing.
std::string shownFor(const std::string& path, bool expectImage) {
    platform::CurrentRun().headless = true; // message boxes become lines on stderr
    testing::internal::CaptureStderr();
    const std::optional<Picture> picture = loadDibImage(path.c_str());
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(picture.has_value(), expectImage) << path;
    return shown;
}

TEST(DibMessages, OpenFailuresNameTheFile) {
    const std::string missing = tempPath("missing.bmp");
    EXPECT_EQ(shownFor(missing, false), "Error: Failed to open DIB file " + missing + ".\n\n");
    const std::string empty = writeTempFile("empty.bmp", Bytes{});
    EXPECT_EQ(shownFor(empty, false), "Error: Failed to open DIB file " + empty + ".\n\n");
    const std::string folder = tempPath("");
    EXPECT_EQ(shownFor(folder, false), "Error: Failed to open DIB file " + folder + ".\n\n");
}

// The decoder's texts themselves are checked with its refusals (dib_reader_test.cpp); here
// they must reach the player, once, captioned "Error", and a good file must show nothing.
TEST(DibMessages, DecodeFailuresReachThePlayer) {
    const std::pair<Bytes, const char*> cases[] = {
        {fileHeader(122) + infoHeader(2, 2, 24, 0, 0, 108) + Bytes(16),
         "Error: Unknown DIB file format.\n"},
        {infoHeader(2, 2, 16, 3) + Bytes(16), "Error: Image file conversion error.\n"},
        {infoHeader(2, 2, 24) + Bytes(16), ""},
    };
    for (const auto& [bytes, message] : cases)
        EXPECT_EQ(shownFor(writeTempFile("case.bmp", bytes), *message == '\0'), message);
}

} // namespace
