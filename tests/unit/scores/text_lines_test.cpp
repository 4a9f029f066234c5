// TextLines against real and hostile files: line ends of both kinds, stray carriage
// returns, missing final line feeds, and the replacing write that keeps the old file safe.
#include "scores/text_lines.h"
#include "unit/scores/scratch_folder.h"

#include <sys/stat.h>

namespace {

using TextLinesFile = ScratchFolder;

std::vector<std::string> linesOf(const TextLines& lines) {
    std::vector<std::string> out;
    for (int i = 0; i < lines.count(); ++i)
        out.push_back(lines[i].str());
    return out;
}

using Lines = std::vector<std::string>;

TEST_F(TextLinesFile, TextAfterTheLastLineFeedIsNoLine) {
    writeFile("f", "one\ntwo");
    TextLines lines;
    ASSERT_TRUE(lines.read("f"));
    EXPECT_EQ(linesOf(lines), (Lines{"one"}));

    // Without any line feed nothing is read and the old lines stay.
    writeFile("f", "lonely");
    EXPECT_FALSE(lines.read("f"));
    EXPECT_EQ(linesOf(lines), (Lines{"one"}));
}

TEST_F(TextLinesFile, MissingEmptyAndFolderFilesReadNothing) {
    TextLines lines;
    EXPECT_FALSE(lines.read("absent"));
    writeFile("empty", "");
    EXPECT_FALSE(lines.read("empty"));
    std::filesystem::create_directory("folder");
    EXPECT_FALSE(lines.read("folder"));
    EXPECT_EQ(lines.count(), 0);
}

TEST_F(TextLinesFile, StrayCarriageReturnsNeverLeadPastTheBytesRead) {
    // One carriage return makes every line end count two bytes: the third line starts at
    // the final 'a', which has no line end after it.
    writeFile("f", "\n\n\n\ra");
    TextLines lines;
    ASSERT_TRUE(lines.read("f"));
    EXPECT_EQ(linesOf(lines), (Lines{"", "", "a"}));

    // Lines that would start past the end are empty.
    writeFile("f", "ab\r\n\n\n\n");
    ASSERT_TRUE(lines.read("f"));
    EXPECT_EQ(linesOf(lines), (Lines{"ab", "", "", ""}));
}

TEST_F(TextLinesFile, LinesOutsideTheArrayAreEmpty) {
    TextLines lines;
    lines.resize(2);
    lines[0].assign("kept");
    lines[7].assign("lost"); // the spare line: not part of the array
    const TextLines& view = lines;
    EXPECT_EQ(view[7].str(), "");
    EXPECT_EQ(lines[-1].str(), "");
    EXPECT_EQ(lines.count(), 2);
    lines[1].assign(nullptr);
    EXPECT_EQ(linesOf(lines), (Lines{"kept", ""}));
}

TEST(TextLine, FormatHoldsAtMost1023Characters) {
    TextLine line;
    line.format("%s\t%d", std::string(2000, 'x').c_str(), 42);
    EXPECT_EQ(line.str(), std::string(1023, 'x'));
    line.format("%s\t%d", "Ann", -5);
    EXPECT_EQ(line.str(), "Ann\t-5");
}

TEST_F(TextLinesFile, WriteReplacesTheFileAndLeavesNothingElse) {
    writeFile("f", "old contents\n");
    TextLines lines;
    lines.resize(2);
    lines[0].assign("first");
    lines[1].assign("second");
    ASSERT_TRUE(lines.write("f"));
    EXPECT_EQ(readFile("f"), "first\nsecond\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(TextLinesFile, AFailedWriteLeavesTheOldFileAsItWas) {
    TextLines lines;
    lines.resize(1);
    lines[0].assign("new");

    // The target cannot be replaced (it is a folder): nothing changes, no file is left.
    std::filesystem::create_directories("target/inside");
    EXPECT_FALSE(lines.write("target"));
    EXPECT_TRUE(std::filesystem::is_directory("target/inside"));
    EXPECT_EQ(filesInFolder(), 1);

    // A folder that cannot be written to (permissions bind everyone but root).
    std::filesystem::create_directory("locked");
    writeFile("locked/f", "old\n");
    chmod("locked", 0555);
    if (geteuid() != 0) {
        EXPECT_FALSE(lines.write("locked/f"));
        EXPECT_EQ(readFile("locked/f"), "old\n");
    }
    EXPECT_FALSE(lines.write("missing-folder/f"));
}

} // namespace
