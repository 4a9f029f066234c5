#include "platform/overlay.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ReadBack {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<unsigned char> rgba; // top row first
};

ReadBack ReadPng(const std::string& path) {
    ReadBack result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return result;
    image.format = PNG_FORMAT_RGBA;
    result.rgba.resize(PNG_IMAGE_SIZE(image));
    result.ok = png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr) != 0;
    result.width = int(image.width);
    result.height = int(image.height);
    return result;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Three columns, two rows, given bottom row first as glReadPixels returns them; alpha 0,
// as the game's clear colour leaves it.
TEST(PngWriterTest, FileHoldsTheFrameTopRowFirstAndOpaque) {
    const unsigned char bottomUp[] = {
        10,  20, 30, 0, 40, 50,  60, 0, 70, 80, 90,  0, // bottom row
        255, 0,  0,  0, 0,  255, 0,  0, 0,  0,  255, 0, // top row
    };
    const std::string path = TempPath("munchora_png_writer_test.png");
    ASSERT_TRUE(platform::WritePng(path.c_str(), 3, 2, bottomUp));
    const ReadBack png = ReadPng(path);
    std::remove(path.c_str());
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.height, 2);
    const std::vector<unsigned char> expected = {
        255, 0,  0,  255, 0,  255, 0,  255, 0,  0,  255, 255,
        10,  20, 30, 255, 40, 50,  60, 255, 70, 80, 90,  255,
    };
    EXPECT_EQ(png.rgba, expected);
}

TEST(PngWriterTest, UnwritablePathIsReportedAndLeavesNoFile) {
    const unsigned char pixel[] = {1, 2, 3, 255};
    const std::string missingFolder = TempPath("munchora_no_such_folder/shot.png");
    EXPECT_FALSE(platform::WritePng(missingFolder.c_str(), 1, 1, pixel));
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

} // namespace
