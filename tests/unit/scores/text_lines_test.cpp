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
using Lines = std::vector<std::string>;

constexpr uid_t NOBODY = 65534;
const std::string LONG_TABLE = "a table longer than ten bytes";

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
        for (const char* file : ownedFiles)
            EXPECT_EQ(lchown(file, NOBODY, NOBODY), 0) << file;
        EXPECT_TRUE(switched_ = seteuid(NOBODY) == 0);
    }
    ~OrdinaryUser() {
        if (switched_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }

private:
    bool switched_ = false;
};

unsigned permissionBits(const char* file) {
    return unsigned(std::filesystem::status(file).permissions());
}

// Writes texts as the lines of file and reports whether the write succeeded.
bool write(const char* file, const Lines& texts) {
    TextLines lines;
    lines.resize(int(texts.size()));
    for (int i = 0; i < lines.count(); ++i)
        lines[i].assign(texts[size_t(i)].c_str());
    return lines.write(file);
}

TEST_F(TextLinesFile, ReadsOnlyLinesEndedByALineFeedAndNeverPastTheBytes) {
    const std::pair<const char*, Lines> cases[] = {
        {"one\r\ntwo\n", {"one", "two"}},
        {"one\ntwo", {"one"}}, // text after the last line feed is no line
        // One carriage return makes every line end count two bytes: the third line starts
        // at the final 'a', which has no line end after it; lines past the end are empty.
        {"\n\n\n\ra", {"", "", "a"}},
        {"ab\r\n\n\n\n", {"ab", "", "", ""}},
    };
    for (const auto& [bytes, expected] : cases) {
        writeFile("f", bytes);
        TextLines lines;
        EXPECT_TRUE(lines.read("f")) << bytes;
        ASSERT_EQ(lines.count(), int(expected.size())) << bytes;
        for (int i = 0; i < lines.count(); ++i)
            EXPECT_EQ(lines[i].str(), expected[size_t(i)]) << bytes;
    }
    // Nothing read (no line feed, an empty file, no file, a folder) keeps the old lines.
    TextLines lines;
    ASSERT_TRUE(lines.read("f"));
    writeFile("lonely", "lonely");
    writeFile("empty", "");
    std::filesystem::create_directory("folder");
    for (const char* name : {"lonely", "empty", "absent", "folder"})
        EXPECT_FALSE(lines.read(name)) << name;
    EXPECT_EQ(lines.count(), 4);
}

TEST_F(TextLinesFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    std::filesystem::create_directories("target/inside"); // cannot be replaced
    EXPECT_FALSE(write("target", {"new"}));
    EXPECT_TRUE(std::filesystem::is_directory("target/inside"));
    EXPECT_FALSE(write("missing-folder/f", {"new"}));

    writeFile("scores.dat", "old\n");
    {
        FullDisk full(10);
        EXPECT_FALSE(write("scores.dat", {LONG_TABLE}));
    }
    EXPECT_EQ(readFile("scores.dat"), "old\n");
    EXPECT_EQ(filesIn("."), 2);
}

TEST_F(TextLinesFile, ALinkStaysAndTheFileItNamesIsReplacedInItsOwnFolder) {
    std::filesystem::create_directories("data/deeper");
    writeFile("data/deeper/real.dat", "old\n");
    std::filesystem::create_symlink("deeper/real.dat", "data/relative");      // relative
    std::filesystem::create_symlink("data/relative", "scores.dat");           // to a link
    std::filesystem::create_symlink(folder_ / "data/deeper/real.dat", "abs"); // absolute
    std::filesystem::create_symlink("data/later.dat", "dangling");            // to nothing yet
    const std::pair<const char*, const char*> writes[] = {
        {"scores.dat", "data/deeper/real.dat"},
        {"abs", "data/deeper/real.dat"},
        {"dangling", "data/later.dat"}, // made where it points, as a plain write would
    };
    for (const auto& [link, target] : writes) {
        ASSERT_TRUE(write(link, {link}));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(readFile(target), link + std::string("\n"));
    }
    EXPECT_TRUE(std::filesystem::is_symlink("data/relative"));
    EXPECT_EQ(filesIn("data/deeper"), 1);
}

TEST_F(TextLinesFile, TheNewFileKeepsThePermissionBitsAndAReadOnlyFileStays) {
    writeFile("scores.dat", "old\n");
    chmod("scores.dat", 0604);
    ASSERT_TRUE(write("scores.dat", {"new"}));
    EXPECT_EQ(readFile("scores.dat"), "new\n");
    EXPECT_EQ(permissionBits("scores.dat"), 0604u);
    const mode_t mask = umask(027); // a file made afresh gets what the mask leaves of 0666
    ASSERT_TRUE(write("fresh.dat", {"new"}));
    umask(mask);
    EXPECT_EQ(permissionBits("fresh.dat"), 0640u);

    chmod("scores.dat", 0444);
    {
        OrdinaryUser user({".", "scores.dat"}); // the folder takes new files
        EXPECT_FALSE(write("scores.dat", {"newer"}));
    }
    EXPECT_EQ(readFile("scores.dat"), "new\n");
    EXPECT_EQ(permissionBits("scores.dat"), 0444u);
    EXPECT_EQ(filesIn("."), 2) << "no temporary file is left";
}

TEST_F(TextLinesFile, AFolderWithoutRoomForANewFileGetsTheFileRewrittenInPlace) {
    std::filesystem::create_directory("locked");
    writeFile("locked/scores.dat", "old\n");
    chmod("locked/scores.dat", 0600);
    chmod("locked", 0555);
    {
        OrdinaryUser user({"locked", "locked/scores.dat"});
        ASSERT_TRUE(write("locked/scores.dat", {"a longer table", "of two lines"}));
        EXPECT_EQ(readFile("locked/scores.dat"), "a longer table\nof two lines\n");
        ASSERT_TRUE(write("locked/scores.dat", {"short"}));
        EXPECT_EQ(readFile("locked/scores.dat"), "short\n");
        {
            // The growth fails part-way: it is cut off and the old bytes were never touched.
            FullDisk full(10);
            EXPECT_FALSE(write("locked/scores.dat", {LONG_TABLE}));
        }
        EXPECT_EQ(readFile("locked/scores.dat"), "short\n");
        EXPECT_FALSE(write("locked/absent.dat", {"new"})) << "nothing to rewrite";
    }
    EXPECT_EQ(permissionBits("locked/scores.dat"), 0600u);
    chmod("locked", 0755);
    EXPECT_EQ(filesIn("locked"), 1);
}

} // namespace
