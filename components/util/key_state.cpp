#include "components/util/key_state.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <array>
#include <utility>

namespace {

// Named keys that are not letters, digits or function keys.
constexpr std::array<std::pair<int, int>, 38> NamedKeys{{
    {Qt::Key_Backspace, VK_BACK},    {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},       {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},       {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},        {Qt::Key_Pause, VK_PAUSE},     {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},     {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},     {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},         {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},         {Qt::Key_Select, VK_SELECT},   {Qt::Key_Printer, VK_PRINT},
    {Qt::Key_Execute, VK_EXECUTE},   {Qt::Key_Print, VK_SNAPSHOT},  {Qt::Key_SysReq, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},     {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},         {Qt::Key_Super_L, VK_LWIN},    {Qt::Key_Super_R, VK_RWIN},
    {Qt::Key_Menu, VK_APPS},         {Qt::Key_Sleep, VK_SLEEP},     {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Cancel, VK_CANCEL},
}};

// Punctuation and the symbols shifted onto its keys and onto the digits of a US keyboard.
constexpr std::array<std::pair<char, int>, 32> SymbolKeys{{
    {';', VK_OEM_1},      {':', VK_OEM_1},      {'=', VK_OEM_PLUS},  {'+', VK_OEM_PLUS},
    {',', VK_OEM_COMMA},  {'<', VK_OEM_COMMA},  {'-', VK_OEM_MINUS}, {'_', VK_OEM_MINUS},
    {'.', VK_OEM_PERIOD}, {'>', VK_OEM_PERIOD}, {'/', VK_OEM_2},     {'?', VK_OEM_2},
    {'`', VK_OEM_3},      {'~', VK_OEM_3},      {'[', VK_OEM_4},     {'{', VK_OEM_4},
    {'\\', VK_OEM_5},     {'|', VK_OEM_5},      {']', VK_OEM_6},     {'}', VK_OEM_6},
    {'\'', VK_OEM_7},     {'"', VK_OEM_7},      {')', '0'},          {'!', '1'},
    {'@', '2'},           {'#', '3'},           {'$', '4'},          {'%', '5'},
    {'^', '6'},           {'&', '7'},           {'*', '8'},          {'(', '9'},
}};

int keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return VK_NUMPAD0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Comma:
        return VK_SEPARATOR;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Period:
        return VK_DECIMAL;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Enter:
        return VK_RETURN;
    default:
        return 0;
    }
}

// X keysyms of the modifier keys, which tell their side.
constexpr std::array<std::pair<quint32, int>, 9> SidedKeysyms{{
    {0xffe1, VK_LSHIFT},
    {0xffe2, VK_RSHIFT},
    {0xffe3, VK_LCONTROL},
    {0xffe4, VK_RCONTROL},
    {0xffe9, VK_LMENU},
    {0xffea, VK_RMENU},
    {0xfe03, VK_RMENU}, // AltGr
    {0xffeb, VK_LWIN},
    {0xffec, VK_RWIN},
}};

QPointer<TKeyStateFilter>& filterOfApplication() {
    static QPointer<TKeyStateFilter> filter;
    return filter;
}

// Every application gets its filter when it is made, so no key pressed early is missed.
void installOnStart() {
    TKeyStateFilter::Instance();
}
Q_COREAPP_STARTUP_FUNCTION(installOnStart)

} // namespace

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const int vk = keypadKey(key))
            return vk;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    for (const auto& [qtKey, vk] : NamedKeys)
        if (qtKey == key)
            return vk;
    for (const auto& [symbol, vk] : SymbolKeys)
        if (key == symbol)
            return vk;
    return 0;
}

int SidedVirtualKeyOf(const QKeyEvent& event) {
    for (const auto& [keysym, vk] : SidedKeysyms)
        if (event.nativeVirtualKey() == keysym)
            return vk;
    return 0;
}

bool IsKeyDownIn(int virtualKey, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    switch (virtualKey) {
    case VK_LBUTTON:
        return buttons.testFlag(Qt::LeftButton);
    case VK_RBUTTON:
        return buttons.testFlag(Qt::RightButton);
    case VK_MBUTTON:
        return buttons.testFlag(Qt::MiddleButton);
    case VK_XBUTTON1:
        return buttons.testFlag(Qt::BackButton);
    case VK_XBUTTON2:
        return buttons.testFlag(Qt::ForwardButton);
    case VK_SHIFT:
        return modifiers.testFlag(Qt::ShiftModifier);
    case VK_CONTROL:
        return modifiers.testFlag(Qt::ControlModifier);
    case VK_MENU:
        return modifiers.testFlag(Qt::AltModifier);
    default:
        return false;
    }
}

bool IsKeyDown(int virtualKey) {
    if (IsKeyDownIn(virtualKey, QGuiApplication::mouseButtons(),
                    QGuiApplication::queryKeyboardModifiers()))
        return true;
    const TKeyStateFilter* filter = TKeyStateFilter::Instance();
    return filter != nullptr && filter->Held(virtualKey);
}

TKeyStateFilter* TKeyStateFilter::Instance() {
    QPointer<TKeyStateFilter>& filter = filterOfApplication();
    QCoreApplication* application = QCoreApplication::instance();
    if (filter.isNull() && application != nullptr) {
        filter = new TKeyStateFilter(application);
        application->installEventFilter(filter);
    }
    return filter;
}

bool TKeyStateFilter::Held(int virtualKey) const {
    return virtualKey > 0 && virtualKey < static_cast<int>(held.size()) && held.test(virtualKey);
}

void TKeyStateFilter::set(int virtualKey, bool down) {
    if (virtualKey > 0 && virtualKey < static_cast<int>(held.size()))
        held.set(virtualKey, down);
}

bool TKeyStateFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    // A press that a shortcut takes is seen only as the shortcut override sent before it.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool down = event->type() != QEvent::KeyRelease;
        // A held key repeats as release and press pairs; it stays down throughout.
        if (!down && key->isAutoRepeat())
            break;
        set(VirtualKeyOf(*key), down);
        set(SidedVirtualKeyOf(*key), down);
        break;
    }
    case QEvent::ApplicationDeactivate:
        held.reset();
        break;
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive)
            held.reset();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
