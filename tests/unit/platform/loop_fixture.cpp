// The logging test dialogs; see loop_fixture.h.
#include "loop_fixture.h"

namespace platform::testing {

namespace {

std::string messageText(const Message& message) {
    switch (message.type) {
    case MessageType::KeyDown:
        return "down " + std::to_string(message.key);
    case MessageType::KeyUp:
        return "up " + std::to_string(message.key);
    case MessageType::Text:
        return "text " + message.text;
    }
    return {};
}

} // namespace

bool LoggingDialog::OnInitDialog() {
    if (onInit)
        onInit();
    return true;
}

bool LoggingDialog::PreTranslateMessage(const Message& message) {
    note(messageText(message));
    return Dialog::PreTranslateMessage(message);
}

bool LoggingDialog::PreTranslatePad(PadButton button) {
    note("pad " + std::to_string(static_cast<int>(button)));
    return Dialog::PreTranslatePad(button);
}

void LoggingDialog::OnTimer(unsigned id) {
    const long call = CurrentRun().mainCalls;
    note("timer " + std::to_string(id) + " call " + std::to_string(call) + " at " +
         std::to_string(ProgramClock().Now()));
    if (onTick)
        onTick(call);
}

void LoggingDialog::OnSize(int type, int cx, int cy) {
    note("size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
}

void LoggingDialog::OnCancel() {
    note("cancel");
    Dialog::OnCancel();
}

const DialogTemplate& EntryDialog::entryTemplate() {
    static const DialogTemplate entry{
        "Enter Your Name", 186, 26, true, {{DialogControl::Kind::Edit, 1001, "", 9, 6, 169, 12}}};
    return entry;
}

} // namespace platform::testing
