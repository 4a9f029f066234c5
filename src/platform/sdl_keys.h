// The desktop's key codes turned into the virtual-key codes the game reads: the keys the
// game and its dialogs use, plus letters, digits and F1 to F12. Internal.
#pragma once

namespace platform {

// The virtual-key code of an SDL key code (SDL_Keycode), or 0 for a key with none.
int VirtualKeyFromSdl(int sdlKeycode);

} // namespace platform
