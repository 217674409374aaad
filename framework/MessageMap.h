// Declarative message maps: each window class lists the messages and commands it handles, with
// handlers that take decoded values. An entry that does not take its message over (its handler
// returns false, or the message is one whose default processing always follows) leaves it to the
// window's default procedure, which the framework then calls. A class with entries declares
//     static const fw::MessageMap& ClassMessageMap();
//     const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }
// and defines the table in its source, chained to its base class's table.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace fw {

class CCmdTarget;

// The message's result, or nothing when the default procedure is to answer it.
using MessageResult = std::optional<LRESULT>;

struct MessageEntry {
  UINT message;  // WM_xxx; WM_COMMAND for commands and control notifications
  UINT code;     // notification code for WM_COMMAND entries (0: menu, accelerator or BN_CLICKED)
  UINT id;       // command or control id for WM_COMMAND entries
  std::function<MessageResult(CCmdTarget&, WPARAM, LPARAM)> handler;
};

struct MessageMap {
  MessageMap(const MessageMap* baseMap, std::initializer_list<MessageEntry> list) : base(baseMap), entries(list) {}
  const MessageMap* base;
  std::vector<MessageEntry> entries;
};

namespace detail {
// An entry whose call(T&, WPARAM, LPARAM) runs the handler and gives the result.
template <class T, class Call>
MessageEntry Entry(UINT message, Call call, UINT code = 0, UINT id = 0) {
  return {message, code, id, [call](CCmdTarget& t, WPARAM w, LPARAM l) { return call(static_cast<T&>(t), w, l); }};
}
// What a handler's call makes of its message.
template <class Call> MessageResult Answered(Call call) { return call(), MessageResult(0); }
template <class Call> MessageResult DefaultFollows(Call call) { return call(), MessageResult(); }
// The handler returns false to leave the message to the default procedure.
template <LRESULT kTaken = 0, class Call>
MessageResult TakenOrDefault(Call call) { return call() ? MessageResult(kTaken) : std::nullopt; }
template <class Call> MessageResult Returned(Call call) { return call(); }
template <class Call> MessageResult HandleReturned(Call call) { return reinterpret_cast<LRESULT>(call()); }
inline POINT PointOf(LPARAM l) { return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}; }
}  // namespace detail

// Map<Kind>(handler) for one message, or Map<Kind>(message, handler) for any message: the handler's
// parameters come from WPARAM w and LPARAM l as args says, and outcome (one of detail's above)
// makes the message's result of its call.
#define FW_KIND_ENTRY(message, outcome, args)                                                              \
  return detail::Entry<T>(message, [handler](T& t, [[maybe_unused]] WPARAM w, [[maybe_unused]] LPARAM l) { \
    return detail::outcome([&] { return (t.*handler) args; });                                             \
  })
#define FW_MESSAGE_KIND(Kind, message, outcome, Returns, args, ...) \
  template <class T>                                                \
  MessageEntry Map##Kind(Returns (T::*handler)(__VA_ARGS__)) { FW_KIND_ENTRY(message, outcome, args); }
#define FW_ANY_MESSAGE_KIND(Kind, outcome, Returns, args, ...) \
  template <class T>                                           \
  MessageEntry Map##Kind(UINT message, Returns (T::*handler)(__VA_ARGS__)) { FW_KIND_ENTRY(message, outcome, args); }

// A control notification (LBN_DBLCLK, EN_SETFOCUS, ...); code 0 is a menu command, accelerator,
// toolbar button or button click.
template <class T>
MessageEntry MapControl(UINT code, UINT id, void (T::*handler)()) {
  return detail::Entry<T>(
      WM_COMMAND, [handler](T& t, WPARAM, LPARAM) { return detail::Answered([&] { (t.*handler)(); }); }, code, id);
}
template <class T>
MessageEntry MapCommand(UINT id, void (T::*handler)()) { return MapControl(0, id, handler); }

// A message whose handler takes nothing and answers it (WM_DESTROY of a view, ...), or returns false
// to leave it to the default procedure (WM_PAINT, ...).
FW_ANY_MESSAGE_KIND(Simple, Answered, void, ())
FW_ANY_MESSAGE_KIND(Simple, TakenOrDefault, bool, ())
// A message whose default processing follows the handler (WM_DESTROY of a frame, WM_NCDESTROY, WM_CANCELMODE).
FW_ANY_MESSAGE_KIND(Notice, DefaultFollows, void, ())
// A mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...): the MK_ keys and the point in client coordinates.
FW_ANY_MESSAGE_KIND(Mouse, TakenOrDefault, bool, (static_cast<UINT>(w), detail::PointOf(l)), UINT keys, POINT client)

FW_MESSAGE_KIND(Timer, WM_TIMER, Answered, void, (w), UINT_PTR id)
FW_MESSAGE_KIND(Create, WM_CREATE, Returned, int, (*reinterpret_cast<CREATESTRUCTA*>(l)), CREATESTRUCTA& create)
// The kind of change (SIZE_MINIMIZED, ...) and the new client size.
FW_MESSAGE_KIND(Size, WM_SIZE, Answered, void, (static_cast<UINT>(w), static_cast<short>(LOWORD(l)),
                static_cast<short>(HIWORD(l))), UINT type, int cx, int cy)
FW_MESSAGE_KIND(SetFocus, WM_SETFOCUS, Answered, void, (reinterpret_cast<HWND>(w)), HWND lost)
// WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE.
FW_MESSAGE_KIND(Activate, WM_ACTIVATE, DefaultFollows, void, (LOWORD(w), reinterpret_cast<HWND>(l), HIWORD(w) != 0),
                UINT state, HWND other, bool minimized)
// The handler's result, or nothing to leave the notification to the default procedure.
FW_MESSAGE_KIND(Notify, WM_NOTIFY, Returned, MessageResult, (*reinterpret_cast<NMHDR*>(l)), NMHDR& header)
// The item (its command, or its position for a popup), its MF_ flags and the menu; flags 0xFFFF and
// no menu when the menu closed.
FW_MESSAGE_KIND(MenuSelect, WM_MENUSELECT, Answered, void, (LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l)),
                UINT item, UINT flags, HMENU menu)
// The popup about to open, its position, and whether it is the window menu.
FW_MESSAGE_KIND(InitMenuPopup, WM_INITMENUPOPUP, Answered, void,
                (reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l) != 0), HMENU popup, UINT index, bool windowMenu)
FW_MESSAGE_KIND(CaptureChanged, WM_CAPTURECHANGED, DefaultFollows, void, (reinterpret_cast<HWND>(l)), HWND newCapture)
// The window under the mouse, the hit-test code and the mouse message; true when the handler set the cursor.
FW_MESSAGE_KIND(SetCursor, WM_SETCURSOR, TakenOrDefault<TRUE>, bool, (reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l)),
                HWND window, UINT hitTest, UINT message)
FW_MESSAGE_KIND(SysCommand, WM_SYSCOMMAND, TakenOrDefault, bool, (static_cast<UINT>(w), l), UINT id, LPARAM lParam)
// Sent by a list box with LBS_WANTKEYBOARDINPUT for each key: -1 leaves the key to the list, -2 says it was handled.
FW_MESSAGE_KIND(VKeyToItem, WM_VKEYTOITEM, Returned, int, (LOWORD(w), reinterpret_cast<HWND>(l)), UINT key, HWND list)
// The window clicked and the point in screen coordinates; from the keyboard the point is (-1, -1).
FW_MESSAGE_KIND(ContextMenu, WM_CONTEXTMENU, Answered, void, (reinterpret_cast<HWND>(w), detail::PointOf(l)),
                HWND window, POINT screen)
FW_MESSAGE_KIND(QueryDragIcon, WM_QUERYDRAGICON, HandleReturned, HCURSOR, ())
#undef FW_ANY_MESSAGE_KIND
#undef FW_MESSAGE_KIND
#undef FW_KIND_ENTRY

// Base of every class that answers messages or commands.
class CCmdTarget {
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  virtual ~CCmdTarget() = default;

  static const MessageMap& ClassMessageMap();
  virtual const MessageMap& GetMessageMap() const { return ClassMessageMap(); }

  // Runs the handler of a command (WM_COMMAND id, notification code and sending control, null for
  // menus and accelerators); false when none.
  virtual bool OnCmdMsg(UINT id, UINT code, HWND control);

  // Runs the handler of any other message; false when none took it over (the default procedure's turn).
  bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  const MessageEntry* FindEntry(UINT message, UINT code, UINT id) const;
};

}  // namespace fw
