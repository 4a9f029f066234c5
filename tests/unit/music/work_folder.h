// A fresh, empty working directory for each test, since the game finds its music and sound
// files by bare name in the working directory; the previous one is restored afterwards.
// And the music window on a clock the test sets, with its message boxes collected instead
// of shown (a desktop message box would wait for a person).
#pragma once

#include "music/music_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class WorkFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(testing::TempDir()) /
                  (std::string("munchora_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    static void writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string pathOf(const std::string& name) const { return (folder_ / name).string(); }

private:
    const std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path folder_;
};

class ClockedMusicDialog : public MusicDialog {
public:
    uint32_t now = 0;
    mutable std::vector<std::string> messages;

protected:
    uint32_t tickCount() const override { return now; }
    void report(const char* text) const override { messages.emplace_back(text); }
};
