// A miniature window framework: the main window and every other dialog of the game.
//
// The first dialog run with DoModal and no parent becomes the main window, the one real
// window of the program (a borderless window over the desktop, or an offscreen surface in
// headless runs). Every other dialog (About box, name entry, the hidden music host) is drawn
// as an overlay on the main window's frame by SwapBuffers, centred, and takes the keyboard
// while it is the topmost visible one.
//
// One message loop serves the main window and every modal dialog: DoModal of a dialog opened
// from inside a handler runs the same loop nested, and the timers of every window keep firing
// inside it. Keys are delivered as virtual-key codes (the constants below) through
// PreTranslateMessage of the active dialog; the base implementation gives Escape to OnCancel
// and Return to OnOK. The dialog owns nothing of the game; handlers are overridden.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr int VK_BACK = 8;
constexpr int VK_RETURN = 13;
constexpr int VK_SHIFT = 16;
constexpr int VK_CONTROL = 17;
constexpr int VK_MENU = 18; // Alt
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_F2 = 113;
constexpr int VK_F3 = 114;
constexpr int VK_F4 = 115;
constexpr int VK_F11 = 122;
constexpr int VK_F12 = 123;

// The window menu's own commands, as a window system numbers them.
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_CLOSE = 0xF060;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

enum class MessageType {
    KeyDown, // key: a virtual-key code; an auto-repeat is one more KeyDown
    KeyUp,   // key: a virtual-key code
    Text,    // text: typed characters, Latin-1
};

// The buttons of a game controller the game uses; Up, Down, Left and Right are the D-pad
// (and the left stick leaning that way). The order indexes the mapping table in pad_keys.cpp.
enum class PadButton { A, B, X, Y, Back, Start, Up, Down, Left, Right };

struct Message {
    MessageType type = MessageType::KeyDown;
    int key = 0;
    std::string text;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// What a dialog looks like; sizes are in pixels of the overlay. The main window ignores it.
struct DialogControl {
    enum class Kind { Static, Edit, Button, Icon };
    Kind kind = Kind::Static;
    int id = 0;
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;
};

struct DialogTemplate {
    std::string caption;
    int width = 0, height = 0;
    bool visible = true; // a hidden dialog (the music host) is never drawn nor given keys
    std::vector<DialogControl> controls;
};

class Dialog {
public:
    explicit Dialog(const DialogTemplate* dialogTemplate = nullptr, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the dialog, runs OnInitDialog and then the message loop until EndDialog;
    // destroys the window (OnDestroy) and returns the EndDialog result. While the program
    // is closing (see RequestClose in run_state.h) the loop cancels the dialog at once.
    int DoModal();
    // Creates a modeless dialog owned by owner; runs OnInitDialog. Destroyed with its owner.
    bool Create(Dialog* owner);
    // Destroys a modeless dialog: OnDestroy, its timers killed.
    virtual void DestroyWindow();
    void EndDialog(int result);

    // Starts or replaces the timer id: OnTimer(id) every periodMs on an absolute schedule.
    unsigned SetTimer(unsigned id, unsigned periodMs);
    void KillTimer(unsigned id);

    std::string GetDlgItemText(int controlId) const;
    void SetDlgItemText(int controlId, const std::string& text);

    // The main window's system menu (Alt+Space): an item chosen arrives as OnSysCommand(id).
    // The menu starts with the window's own items, Minimize (SC_MINIMIZE) and Close
    // (SC_CLOSE); they reach OnSysCommand too and are then carried out by the platform.
    void AppendSystemMenuItem(const std::string& text, unsigned id);
    // Window icon: width x height pixels, top row first, each pixel's bytes R, G, B, A in
    // memory order.
    void SetIcon(const uint32_t* rgba, int width, int height);
    // The desktop's bounds; in headless runs the --size surface.
    static Rect GetDesktopRect();
    // Moves and resizes the main window; delivers OnSize with the new client size.
    void MoveWindow(const Rect& rect);
    Rect GetClientRect() const;

    bool isOpen() const { return open_; }
    // Whether a pad has edited the edit field since the dialog opened (the overlay then
    // marks the letter under the pad's cursor, the field's last one).
    bool padEditing() const { return padEditing_; }

    // Handlers, called by the message loop.
    virtual bool OnInitDialog() { return true; }
    // Returns true when the message was consumed. The base gives Escape to OnCancel and
    // Return to OnOK, Backspace and Text to the edit field of a dialog that has one.
    virtual bool PreTranslateMessage(const Message& message);
    // A pad button pressed while this dialog (not the main window, which gets keys) takes
    // the input. Returns true when it was used. The base edits the edit field of a dialog
    // that has one (pad_entry.h) and otherwise takes A or Start as Return, B or Back as
    // Escape.
    virtual bool PreTranslatePad(PadButton button);
    // The main window gained (true) or lost the keyboard focus; every key it held has been
    // released with a key-up before it loses it.
    virtual void OnActivate(bool /*active*/) {}
    // The main window was minimised (true) or restored from it.
    virtual void OnMinimise(bool /*minimised*/) {}
    virtual void OnTimer(unsigned /*id*/) {}
    virtual void OnSize(int /*type*/, int /*cx*/, int /*cy*/) {}
    virtual void OnDestroy() {}
    virtual void OnOK();     // DoDataExchange, then EndDialog(IDOK)
    virtual void OnCancel(); // EndDialog(IDCANCEL)
    virtual void OnSysCommand(unsigned /*id*/) {}
    // Copies control values into members before OnOK closes the dialog.
    virtual void DoDataExchange() {}

    const DialogTemplate* dialogTemplate() const { return template_; }
    Dialog* parent() const { return parent_; }

private:
    friend class MessageLoop;
    void open(bool modal);
    void close();
    const DialogControl* editControl() const;

    const DialogTemplate* template_;
    Dialog* parent_;
    bool open_ = false;
    bool ending_ = false;
    int result_ = 0;
    bool padEditing_ = false;
    std::vector<std::pair<int, std::string>> itemTexts_;
};

} // namespace platform
