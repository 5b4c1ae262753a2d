#pragma once
// Whether a key or mouse button is held, by its desktop virtual-key code. The mouse buttons and
// the Shift, Ctrl and Alt keys come from the application's own state; every other key from an
// application-wide filter, installed when the application is made, that sees each key press
// and release and forgets every key when the application loses the focus (the releases then go
// to another program).

#include <QObject>
#include <Qt>
#include <bitset>

class QKeyEvent;

// Virtual-key codes, valued as on the desktop. Letters and digits are their capital ASCII code.
enum VirtualKey : int {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_CANCEL = 0x03,
    VK_MBUTTON = 0x04,
    VK_XBUTTON1 = 0x05,
    VK_XBUTTON2 = 0x06,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_EXECUTE = 0x2B,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_SLEEP = 0x5F,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F24 = 0x87,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_OEM_1 = 0xBA, // ; :
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF, // / ?
    VK_OEM_3 = 0xC0, // ` ~
    VK_OEM_4 = 0xDB, // [ {
    VK_OEM_5 = 0xDC, // \ |
    VK_OEM_6 = 0xDD, // ] }
    VK_OEM_7 = 0xDE, // ' "
};

// True while the key is held, as the application last saw it.
bool IsKeyDown(int virtualKey);

// The rule IsKeyDown applies to the mouse buttons and the Shift, Ctrl and Alt keys; false for
// every other key. Exposed for tests.
bool IsKeyDownIn(int virtualKey, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The virtual key of a key event (a shifted symbol counts as the key it is on, as on a US
// keyboard), or 0 for a key without one; the side-specific code of a Shift, Ctrl, Alt or
// Windows key when the platform tells which side it was, else 0.
int VirtualKeyOf(const QKeyEvent& event);
int SidedVirtualKeyOf(const QKeyEvent& event);

// The application's key-state filter: the keys held now by what it saw.
class TKeyStateFilter : public QObject {
    Q_OBJECT

public:
    // The running application's filter, installed on first need; nullptr without an
    // application.
    static TKeyStateFilter* Instance();
    bool Held(int virtualKey) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void set(int virtualKey, bool down);

    std::bitset<256> held;
};
