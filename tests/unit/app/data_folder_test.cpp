// The installed game's per-player folder: found only beside an installed program, seeded
// once, never overwriting what the player already has.
#include "app/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

class DataFolderTest : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("munchora-data-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "prefix" / "share" / "munchora" / "data");
        writeFile(root / "prefix" / "share" / "munchora" / "data" / "wood.bmp", "default wood");
        writeFile(root / "prefix" / "share" / "munchora" / "data" / "scores.dat", "default\t0\n");
        saved = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(saved);
        fs::remove_all(root);
        unsetenv("XDG_DATA_HOME");
    }
    fs::path root, saved;
};

TEST_F(DataFolderTest, OnlyAnInstalledProgramHasDefaults) {
    EXPECT_EQ(installedDataFolder(root / "prefix" / "bin" / "munchora"),
              root / "prefix" / "share" / "munchora" / "data");
    EXPECT_TRUE(installedDataFolder(root / "build" / "src" / "munchora").empty());
    EXPECT_EQ(enterDataFolder(root / "build" / "src" / "munchora"), ""); // a build tree's run
    EXPECT_EQ(fs::current_path(), saved);                                // stays where it is
}

TEST_F(DataFolderTest, UserFolderFollowsXdgDataHome) {
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    EXPECT_EQ(userDataFolder(), root / "xdg" / "munchora");
    setenv("XDG_DATA_HOME", "relative/ignored", 1); // only absolute paths count
    EXPECT_EQ(userDataFolder().filename(), "munchora");
    EXPECT_NE(userDataFolder().parent_path(), fs::path("relative/ignored"));
}

TEST_F(DataFolderTest, SeedingKeepsThePlayersFiles) {
    fs::path defaults = root / "prefix" / "share" / "munchora" / "data";
    fs::path mine = root / "home" / "munchora";
    ASSERT_TRUE(seedDataFolder(defaults, mine));
    EXPECT_EQ(readFile(mine / "wood.bmp"), "default wood");
    writeFile(mine / "scores.dat", "Ann\t500\n");
    ASSERT_TRUE(seedDataFolder(defaults, mine));
    EXPECT_EQ(readFile(mine / "scores.dat"), "Ann\t500\n");
}

TEST_F(DataFolderTest, InstalledRunMovesIntoTheSeededFolder) {
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    EXPECT_EQ(enterDataFolder(root / "prefix" / "bin" / "munchora"), "");
    EXPECT_EQ(fs::current_path(), root / "xdg" / "munchora");
    EXPECT_TRUE(fs::exists("wood.bmp"));
}

TEST_F(DataFolderTest, UnusableFolderLeavesTheWorkingDirectory) {
    writeFile(root / "xdg", "a file where the folder should be");
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    EXPECT_NE(enterDataFolder(root / "prefix" / "bin" / "munchora"), "");
    EXPECT_EQ(fs::current_path(), saved);
}

} // namespace
