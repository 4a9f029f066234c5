// Screenshots: the offscreen surface of headless runs (a real OpenGL context on the
// software rasteriser whose drawing target follows `resize`, read from the presented
// frame) and the PNG files they are written to.
#include "loop_fixture.h"

#include "platform/gl_context.h"
#include "platform/options.h"
#include "platform/overlay.h"
#include "platform/system.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <png.h>

#include <array>
#include <filesystem>

namespace platform::testing {
namespace {

class OffscreenSurface : public LoopTest {
protected:
    void SetUp() override {
        LoopTest::SetUp();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        // Other tests of this program keep a context of their own current; give it back.
        previousWindow_ = SDL_GL_GetCurrentWindow();
        previousContext_ = SDL_GL_GetCurrentContext();
        CurrentRun().offscreenSurface = true;
        RunOptions options;
        options.width = 64;
        options.height = 48;
        SetOptions(options);
    }
    void TearDown() override {
        SetOptions(RunOptions{});
        if (previousContext_)
            SDL_GL_MakeCurrent(previousWindow_, previousContext_);
        LoopTest::TearDown();
    }

private:
    SDL_Window* previousWindow_ = nullptr;
    SDL_GLContext previousContext_ = nullptr;
};

// A PNG file as width, height and RGBA bytes, top row first; 0 x 0 when it cannot be read.
struct Png {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

Png ReadPng(const std::filesystem::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGBA;
    Png png{int(image.width), int(image.height), std::vector<unsigned char>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, png.rgba.data(), 0, nullptr))
        return {};
    return png;
}

TEST_F(OffscreenSurface, DrawingFollowsResizesAndScreenshotsHaveTheClientSize) {
    const auto shot = std::filesystem::temp_directory_path() / "munchora_offscreen_test.png";
    std::filesystem::remove(shot);
    std::string seen; // at each call, the client size and whether its far corner is drawn
    main.onInit = [&] {
        main.MoveWindow(Dialog::GetDesktopRect());
        EXPECT_EQ(CreateGlContext(main), GlSetup::Ready);
        main.SetTimer(GAME_TIMER, 25);
    };
    main.onTick = [&](long) {
        const Rect client = main.GetClientRect();
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        std::array<unsigned char, 4> pixel{}; // stays 0 outside the drawing target
        glReadPixels(client.width() - 1, client.height() - 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixel.data());
        seen += std::to_string(client.width()) + "x" + std::to_string(client.height()) +
                (pixel == std::array<unsigned char, 4>{255, 0, 0, 255} ? " drawn, " : ", ");
        SwapBuffers();
    };
    run("2 resize 80 60\n3 resize 32 24\n3 screenshot " + shot.string() + "\n", 3);
    ReleaseGlContext();
    EXPECT_EQ(seen, "64x48 drawn, 80x60 drawn, 32x24 drawn, ");
    const Png png = ReadPng(shot);
    EXPECT_EQ(std::to_string(png.width) + "x" + std::to_string(png.height), "32x24");
    std::filesystem::remove(shot);
}

// Three columns, two rows, given bottom row first as glReadPixels returns them; alpha 0,
// as the game's clear colour leaves it. A path that cannot be written is reported.
TEST(PngWriter, FileHoldsTheFrameTopRowFirstAndOpaqueAndAFailureIsReported) {
    const unsigned char bottomUp[] = {
        10,  20, 30, 0, 40, 50,  60, 0, 70, 80, 90,  0, // bottom row
        255, 0,  0,  0, 0,  255, 0,  0, 0,  0,  255, 0, // top row
    };
    const auto path = std::filesystem::temp_directory_path() / "munchora_png_writer_test.png";
    ASSERT_TRUE(WritePng(path.c_str(), 3, 2, bottomUp));
    EXPECT_FALSE(WritePng((path / "shot.png").c_str(), 1, 1, bottomUp)) << "under a file";
    const Png png = ReadPng(path);
    std::filesystem::remove(path);
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.rgba,
              (std::vector<unsigned char>{255, 0,  0,  255, 0,  255, 0,  255, 0,  0,  255, 255,
                                          10,  20, 30, 255, 40, 50,  60, 255, 70, 80, 90,  255}));
}

} // namespace
} // namespace platform::testing
