// The offscreen surface of headless runs: a real OpenGL context on the software rasteriser
// whose drawing target follows `resize`, and screenshots read from the presented frame.
#include "loop_fixture.h"

#include "platform/gl_context.h"
#include "platform/options.h"
#include "platform/system.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <array>
#include <filesystem>
#include <fstream>

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

// Clears the frame to red and reads back its top-right pixel; 0x12 bytes where nothing was
// read (outside the drawing target).
std::array<unsigned char, 4> clearAndReadCorner(const Rect& client) {
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    std::array<unsigned char, 4> pixel{0x12, 0x12, 0x12, 0x12};
    glReadPixels(client.width() - 1, client.height() - 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixel.data());
    return pixel;
}

// The width and height in a PNG file's header.
std::pair<int, int> pngSize(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 24> head{};
    in.read(reinterpret_cast<char*>(head.data()), head.size());
    auto big = [&](int at) {
        return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3];
    };
    return {big(16), big(20)};
}

TEST_F(OffscreenSurface, DrawingFollowsResizesAndScreenshotsHaveTheClientSize) {
    const auto shot = std::filesystem::temp_directory_path() / "munchora_offscreen_test.png";
    std::filesystem::remove(shot);
    LoggingDialog main("main", log);
    std::vector<std::array<unsigned char, 4>> corners;
    std::vector<Rect> sizes;
    main.onInit = [&] {
        main.MoveWindow(Dialog::GetDesktopRect());
        EXPECT_EQ(CreateGlContext(main), GlSetup::Ready);
        main.SetTimer(1, 25);
    };
    main.onTick = [&](long) {
        sizes.push_back(main.GetClientRect());
        corners.push_back(clearAndReadCorner(sizes.back()));
        SwapBuffers();
    };
    useScript("2 resize 80 60\n3 resize 32 24\n3 screenshot " + shot.string() + "\n");
    CurrentRun().callLimit = 3;
    main.DoModal();
    ReleaseGlContext();

    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0].width(), 64);
    EXPECT_EQ(sizes[1].width(), 80);
    EXPECT_EQ(sizes[1].height(), 60);
    const std::array<unsigned char, 4> red{255, 0, 0, 255};
    for (const auto& corner : corners)
        EXPECT_EQ(corner, red) << "the corner of the client area is drawn, whatever its size";
    EXPECT_EQ(pngSize(shot), std::make_pair(32, 24));
    std::filesystem::remove(shot);
}

} // namespace
} // namespace platform::testing
