// TextLines against real and hostile files: line ends of both kinds, stray carriage
// returns, missing final line feeds, and the replacing write that keeps the old file safe
// in every case a plain write would have handled: read-only files, symbolic links,
// permission bits, folders that take no new file, and a disk that fills part-way.
//
// A full disk is a real failing write: the file size limit (RLIMIT_FSIZE) stops a write
// part-way with EFBIG. Permissions bind everyone but root, so as root the cases that need
// them run with the effective user switched to "nobody" and back.
#include "scores/text_lines.h"
#include "unit/scores/scratch_folder.h"

#include <csignal>
#include <sys/resource.h>
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

constexpr uid_t NOBODY = 65534;

// Files grow no larger than limitBytes while it lives: a longer write stops part-way.
class FullDisk {
public:
    explicit FullDisk(rlim_t limitBytes) {
        std::signal(SIGXFSZ, SIG_IGN); // the failing write returns EFBIG instead of a signal
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = limitBytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

// Runs as an ordinary user while it lives: as root, the named files become nobody's and the
// effective user is nobody; otherwise nothing changes.
class OrdinaryUser {
public:
    explicit OrdinaryUser(std::initializer_list<const char*> ownedFiles) {
        if (geteuid() != 0)
            return;
        chmod(".", 0755); // nobody must reach the scratch folder
        for (const char* file : ownedFiles) {
            EXPECT_EQ(lchown(file, NOBODY, NOBODY), 0) << file;
        }
        switched_ = seteuid(NOBODY) == 0;
        EXPECT_TRUE(switched_);
    }
    ~OrdinaryUser() {
        if (switched_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }

private:
    bool switched_ = false;
};

mode_t permissionBits(const char* file) {
    struct stat status {};
    stat(file, &status);
    return status.st_mode & 07777;
}

TextLines linesOf(Lines texts) {
    TextLines lines;
    lines.resize(int(texts.size()));
    for (int i = 0; i < lines.count(); ++i)
        lines[i].assign(texts[size_t(i)].c_str());
    return lines;
}

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

    EXPECT_FALSE(lines.write("missing-folder/f"));
}

TEST_F(TextLinesFile, AFullDiskPartWayLeavesTheOldFileAndNoTemporary) {
    writeFile("scores.dat", "old\n");
    {
        FullDisk full(8);
        EXPECT_FALSE(linesOf({"a table longer than eight bytes"}).write("scores.dat"));
    }
    EXPECT_EQ(readFile("scores.dat"), "old\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(TextLinesFile, AReadOnlyFileIsNotReplaced) {
    writeFile("scores.dat", "old\n");
    chmod("scores.dat", 0444);
    {
        OrdinaryUser user({".", "scores.dat"}); // the folder takes new files
        EXPECT_FALSE(linesOf({"new"}).write("scores.dat"));
    }
    EXPECT_EQ(readFile("scores.dat"), "old\n");
    EXPECT_EQ(permissionBits("scores.dat"), 0444u);
    EXPECT_EQ(filesInFolder(), 1);
    if (geteuid() == 0) { // root opens any file for writing, and so replaces it
        EXPECT_TRUE(linesOf({"new"}).write("scores.dat"));
        EXPECT_EQ(readFile("scores.dat"), "new\n");
    }
}

TEST_F(TextLinesFile, ALinkStaysAndTheFileItNamesIsReplacedInItsOwnFolder) {
    std::filesystem::create_directories("data/deeper");
    writeFile("data/deeper/real.dat", "old\n");
    std::filesystem::create_symlink("deeper/real.dat", "data/relative");      // relative
    std::filesystem::create_symlink("data/relative", "scores.dat");           // to a link
    std::filesystem::create_symlink(folder_ / "data/deeper/real.dat", "abs"); // absolute
    const auto filesIn = [](const char* folder) {
        return std::distance(std::filesystem::directory_iterator(folder),
                             std::filesystem::directory_iterator());
    };

    ASSERT_TRUE(linesOf({"first"}).write("scores.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink("scores.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink("data/relative"));
    EXPECT_EQ(readFile("data/deeper/real.dat"), "first\n");
    ASSERT_TRUE(linesOf({"second"}).write("abs"));
    EXPECT_TRUE(std::filesystem::is_symlink("abs"));
    EXPECT_EQ(readFile("data/deeper/real.dat"), "second\n");

    {
        FullDisk full(8);
        EXPECT_FALSE(linesOf({"a table longer than eight bytes"}).write("scores.dat"));
    }
    EXPECT_EQ(readFile("data/deeper/real.dat"), "second\n");
    EXPECT_EQ(filesIn("data/deeper"), 1);
    EXPECT_EQ(filesIn("data"), 2);
    EXPECT_EQ(filesInFolder(), 3);

    // A link to nothing yet: the file is made where it points, as a plain write would.
    std::filesystem::create_symlink("data/later.dat", "dangling");
    ASSERT_TRUE(linesOf({"made"}).write("dangling"));
    EXPECT_TRUE(std::filesystem::is_symlink("dangling"));
    EXPECT_EQ(readFile("data/later.dat"), "made\n");
}

TEST_F(TextLinesFile, TheNewFileKeepsTheOldPermissionBits) {
    writeFile("scores.dat", "old\n");
    chmod("scores.dat", 0604);
    ASSERT_TRUE(linesOf({"new"}).write("scores.dat"));
    EXPECT_EQ(permissionBits("scores.dat"), 0604u);

    // A file made afresh gets what the file-creation mask leaves of 0666.
    const mode_t mask = umask(027);
    ASSERT_TRUE(linesOf({"new"}).write("fresh.dat"));
    umask(mask);
    EXPECT_EQ(permissionBits("fresh.dat"), 0640u);
}

TEST_F(TextLinesFile, AFolderWithoutRoomForANewFileGetsTheFileRewrittenInPlace) {
    std::filesystem::create_directory("locked");
    writeFile("locked/scores.dat", "old\n");
    chmod("locked/scores.dat", 0600);
    chmod("locked", 0555);
    {
        OrdinaryUser user({"locked", "locked/scores.dat"});
        ASSERT_TRUE(linesOf({"a longer table", "of two lines"}).write("locked/scores.dat"));
        EXPECT_EQ(readFile("locked/scores.dat"), "a longer table\nof two lines\n");
        ASSERT_TRUE(linesOf({"short"}).write("locked/scores.dat"));
        EXPECT_EQ(readFile("locked/scores.dat"), "short\n");
        {
            // The growth fails part-way: it is cut off and the old bytes were never touched.
            FullDisk full(10);
            EXPECT_FALSE(linesOf({"a table longer than ten"}).write("locked/scores.dat"));
        }
        EXPECT_EQ(readFile("locked/scores.dat"), "short\n");
        EXPECT_FALSE(linesOf({"new"}).write("locked/absent.dat")) << "nothing to rewrite";
    }
    EXPECT_EQ(permissionBits("locked/scores.dat"), 0600u);
    chmod("locked", 0755);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("locked"),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
