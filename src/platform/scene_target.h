// The 3D part of a frame at the render scale (render_scale.h). While the scale is below 1
// the scene is drawn into a framebuffer object that much smaller on each side and then
// stretched over the whole viewport with linear filtering; what is drawn afterwards (text,
// the title picture, the dialogs) stays at full resolution. At scale 1 both calls do
// nothing, so the picture is exactly that of drawing straight into the window.
//
// The scale follows the busy time of each main timer call (NoteFrameBusy), automatically
// or fixed by --render-scale. Needs the GL context current; owns its GL objects.
#pragma once

namespace platform {

// Before the scene: binds the smaller target, sets its viewport and clears it.
void BeginScene();
// After the scene: stretches it onto the frame's own target and restores the viewport.
void EndScene();

// The scale the next scene is drawn at.
float SceneScale();
// How long the last main timer call took, in milliseconds of wall time; it counts only
// when the call drew a scene.
void NoteFrameBusy(double milliseconds);

} // namespace platform
