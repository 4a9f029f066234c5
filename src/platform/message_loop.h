// The one message loop of the program, run by the main window and by every modal dialog
// (nested when a handler opens a dialog). Each turn it does one thing, in this order:
//   1. a close request (the window closed, `quit`, SIGINT or SIGTERM, the end of a scripted
//      run) cancels the loop's dialog: its OnCancel, and EndDialog(IDCANCEL) if that did not
//      end it; the enclosing loops then do the same, innermost first;
//   2. an event that is ready is routed (event_dispatch.h); a script's events for timer call
//      T of the main window are ready once call T is the next timer call to begin;
//   3. the timer due first is called, after waiting for its due time (real clock) or
//      jumping to it (virtual clock). Every open window's timers run in every loop, so a
//      timer call may run nested inside another one.
#pragma once

namespace platform {

class Dialog;

class MessageLoop {
public:
    // Runs the loop until dialog's EndDialog.
    static void Run(Dialog& dialog);

private:
    static void Step(Dialog& dialog);
    static void Cancel(Dialog& dialog);
};

} // namespace platform
