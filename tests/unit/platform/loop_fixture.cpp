// The logging test dialogs; see loop_fixture.h.
#include "loop_fixture.h"

#include <algorithm>

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

std::string Lines(const Log& log, std::initializer_list<const char*> words) {
    std::string joined;
    for (const std::string& line : log) {
        const bool wanted = words.size() == 0 ||
                            std::any_of(words.begin(), words.end(),
                                        [&](auto w) { return line.find(w) != std::string::npos; });
        if (wanted)
            joined += (joined.empty() ? "" : ", ") + line;
    }
    return joined;
}

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
    note("timer " + std::to_string(id) + " #" + std::to_string(call) + " @" +
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

void MainLoopTest::openEntryAt(long call) {
    main.onTick = [this, call](long now) {
        if (now != call)
            return;
        EntryDialog entry(log);
        const int result = entry.DoModal();
        log.push_back("main:entry " + std::to_string(result) + " '" + entry.name + "'");
    };
}

} // namespace platform::testing
