// Drawing flat over the frame from the platform layer (the dialogs, the system menu, the
// stretch of a scaled scene), between the game's drawing and the swap. FlatDrawingScope
// saves every piece of OpenGL state the game set (server and client attribute stacks, the
// projection and modelview matrices) and starts from a plain one: identity matrices, filled
// polygons, all colour channels written, and no depth or stencil test, texturing, texture
// coordinate generation, lighting, blending, alpha test, fog, culling, scissor, logic
// operation or stipple. The destructor gives the game its state back exactly (viewport,
// matrix mode, list base, current colour and raster position included).
#pragma once

namespace platform {

class FlatDrawingScope {
public:
    FlatDrawingScope();
    ~FlatDrawingScope();
    FlatDrawingScope(const FlatDrawingScope&) = delete;
    FlatDrawingScope& operator=(const FlatDrawingScope&) = delete;
};

} // namespace platform
