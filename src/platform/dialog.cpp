// The dialog base: lifecycle (modal and modeless), timers, the edit field and the standard
// keys. The main window's real window lives in main_window.cpp, the loop in
// message_loop.cpp.
#include "platform/dialog.h"

#include "platform/clock.h"
#include "platform/main_window.h"
#include "platform/message_loop.h"
#include "platform/pad_entry.h"
#include "platform/system_menu.h"
#include "platform/timer_schedule.h"
#include "platform/window_registry.h"

#include <algorithm>
#include <cassert>

namespace platform {

namespace {

// The shortest timer period we honour: a 0 ms timer would never let virtual time move, and
// nothing of the game needs a faster one than its 25 ms tick.
constexpr unsigned MIN_TIMER_PERIOD_MS = 10;

} // namespace

Dialog::Dialog(const DialogTemplate* dialogTemplate, Dialog* parent)
    : template_(dialogTemplate), parent_(parent) {}

Dialog::~Dialog() {
    // An object going away with its window still open (a modeless dialog of a destroyed
    // owner object) must not leave the loop a dangling pointer.
    if (open_) {
        WindowTimers().KillAll(this);
        windows::Remove(*this);
    }
}

void Dialog::open(bool modal) {
    open_ = true;
    ending_ = false;
    result_ = 0;
    itemTexts_.clear();
    padEditing_ = false;
    windows::Add(*this, modal);
}

void Dialog::close() {
    for (Dialog* owned : windows::OwnedBy(*this))
        owned->DestroyWindow();
    OnDestroy();
    WindowTimers().KillAll(this);
    const bool wasMain = windows::Main() == this;
    windows::Remove(*this);
    open_ = false;
    if (wasMain) {
        sysmenu::Reset();
        mainwindow::Close();
    }
}

int Dialog::DoModal() {
    assert(!open_);
    const bool isMain = !windows::Main() && !parent_;
    if (isMain) {
        windows::SetMain(this);
        mainwindow::Open(template_ ? template_->caption.c_str() : "");
    } else if (!parent_) {
        parent_ = windows::Main(); // the default owner
    }
    open(true);
    OnInitDialog();
    MessageLoop::Run(*this);
    close();
    return result_;
}

bool Dialog::Create(Dialog* owner) {
    if (open_)
        return false;
    parent_ = owner ? owner : windows::Main();
    open(false);
    OnInitDialog();
    return true;
}

void Dialog::DestroyWindow() {
    if (open_)
        close();
}

void Dialog::EndDialog(int result) {
    result_ = result;
    ending_ = true;
}

unsigned Dialog::SetTimer(unsigned id, unsigned periodMs) {
    if (!open_ || id == 0)
        return 0;
    WindowTimers().Set(this, id, std::max(periodMs, MIN_TIMER_PERIOD_MS), ProgramClock().Now());
    return id;
}

void Dialog::KillTimer(unsigned id) {
    WindowTimers().Kill(this, id);
}

std::string Dialog::GetDlgItemText(int controlId) const {
    for (const auto& [id, text] : itemTexts_)
        if (id == controlId)
            return text;
    if (template_)
        for (const DialogControl& control : template_->controls)
            if (control.id == controlId)
                return control.text;
    return {};
}

void Dialog::SetDlgItemText(int controlId, const std::string& text) {
    for (auto& [id, stored] : itemTexts_) {
        if (id == controlId) {
            stored = text;
            return;
        }
    }
    itemTexts_.emplace_back(controlId, text);
}

void Dialog::AppendSystemMenuItem(const std::string& text, unsigned id) {
    if (windows::Main() == this)
        sysmenu::Append(text, id);
}

void Dialog::SetIcon(const uint32_t* rgba, int width, int height) {
    if (windows::Main() == this)
        mainwindow::SetIcon(rgba, width, height);
}

Rect Dialog::GetDesktopRect() {
    return mainwindow::DesktopRect();
}

void Dialog::MoveWindow(const Rect& rect) {
    if (windows::Main() == this)
        mainwindow::Move(rect);
}

Rect Dialog::GetClientRect() const {
    if (windows::Main() == this)
        return mainwindow::ClientRect();
    return template_ ? Rect{0, 0, template_->width, template_->height} : Rect{};
}

const DialogControl* Dialog::editControl() const {
    if (!template_)
        return nullptr;
    for (const DialogControl& control : template_->controls)
        if (control.kind == DialogControl::Kind::Edit)
            return &control;
    return nullptr;
}

bool Dialog::PreTranslateMessage(const Message& message) {
    const DialogControl* edit = editControl();
    if (message.type == MessageType::Text && edit) {
        SetDlgItemText(edit->id, GetDlgItemText(edit->id) + message.text);
        return true;
    }
    if (message.type != MessageType::KeyDown)
        return false;
    if (message.key == VK_ESCAPE) {
        OnCancel();
        return true;
    }
    if (message.key == VK_RETURN) {
        OnOK();
        return true;
    }
    if (message.key == VK_BACK && edit) {
        std::string text = GetDlgItemText(edit->id);
        if (!text.empty())
            text.pop_back(); // Latin-1: one byte is one character
        SetDlgItemText(edit->id, text);
        return true;
    }
    return false;
}

bool Dialog::PreTranslatePad(PadButton button) {
    const DialogControl* edit = editControl();
    if (!edit) {
        if (button == PadButton::A || button == PadButton::Start)
            OnOK();
        else if (button == PadButton::B || button == PadButton::Back)
            OnCancel();
        else
            return false;
        return true;
    }
    padEditing_ = true;
    std::string text = GetDlgItemText(edit->id);
    switch (EditWithPad(text, button)) {
    case PadEdit::Changed:
        SetDlgItemText(edit->id, text);
        break;
    case PadEdit::Accept:
        OnOK();
        break;
    case PadEdit::Cancel:
        OnCancel();
        break;
    }
    return true;
}

void Dialog::OnOK() {
    DoDataExchange();
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

} // namespace platform
