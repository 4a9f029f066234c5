// SIGINT and SIGTERM become a close request, so an interrupted run leaves through the same
// orderly path as Escape (cursor shown, best scores saved). The handler only sets a flag;
// the message loop takes it. A second signal of the same kind ends the program at once.
#pragma once

namespace platform {

void InstallCloseSignals();
// True once after a signal arrived.
bool TakeCloseSignal();

} // namespace platform
