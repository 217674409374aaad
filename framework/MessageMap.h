// Declarative message maps: each window class lists the messages and commands it handles, with
// handlers that take decoded values. An entry that does not take its message over (its handler
// returns false, or the message is one whose default processing always follows) leaves it to the
// window's default procedure, which the framework then calls. A class declares
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
// An entry whose decode(T&, WPARAM, LPARAM) calls the handler and gives the result.
template <class T, class Decode>
MessageEntry Entry(UINT message, UINT code, UINT id, Decode decode) {
  return {message, code, id, [decode](CCmdTarget& t, WPARAM w, LPARAM l) -> MessageResult {
            return decode(static_cast<T&>(t), w, l);
          }};
}
inline POINT PointOf(LPARAM l) { return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}; }
}  // namespace detail

// A menu command, accelerator, toolbar button or button click.
template <class T>
MessageEntry MapCommand(UINT id, void (T::*handler)()) {
  return detail::Entry<T>(WM_COMMAND, 0, id, [handler](T& t, WPARAM, LPARAM) -> MessageResult { return (t.*handler)(), 0; });
}

// A control notification other than a click (LBN_DBLCLK, EN_SETFOCUS, ...).
template <class T>
MessageEntry MapControl(UINT code, UINT id, void (T::*handler)()) {
  return detail::Entry<T>(WM_COMMAND, code, id, [handler](T& t, WPARAM, LPARAM) -> MessageResult { return (t.*handler)(), 0; });
}

// A message whose handler takes nothing and answers it (WM_DESTROY of a view, WM_PAINT, ...).
template <class T>
MessageEntry MapSimple(UINT message, void (T::*handler)()) {
  return detail::Entry<T>(message, 0, 0, [handler](T& t, WPARAM, LPARAM) -> MessageResult { return (t.*handler)(), 0; });
}

// Likewise, with a handler that returns false to leave the message to the default procedure.
template <class T>
MessageEntry MapSimple(UINT message, bool (T::*handler)()) {
  return detail::Entry<T>(message, 0, 0, [handler](T& t, WPARAM, LPARAM) -> MessageResult {
    if ((t.*handler)()) return 0;
    return std::nullopt;
  });
}

// A message whose default processing follows the handler (WM_DESTROY of a frame, WM_NCDESTROY, WM_CANCELMODE).
template <class T>
MessageEntry MapNotice(UINT message, void (T::*handler)()) {
  return detail::Entry<T>(message, 0, 0, [handler](T& t, WPARAM, LPARAM) -> MessageResult {
    (t.*handler)();
    return std::nullopt;
  });
}

template <class T>
MessageEntry MapTimer(void (T::*handler)(UINT_PTR id)) {
  return detail::Entry<T>(WM_TIMER, 0, 0,
                          [handler](T& t, WPARAM w, LPARAM) -> MessageResult { return (t.*handler)(w), 0; });
}

template <class T>
MessageEntry MapCreate(int (T::*handler)(CREATESTRUCTA& create)) {
  return detail::Entry<T>(WM_CREATE, 0, 0, [handler](T& t, WPARAM, LPARAM l) -> MessageResult {
    return (t.*handler)(*reinterpret_cast<CREATESTRUCTA*>(l));
  });
}

// WM_SIZE: the kind of change (SIZE_MINIMIZED, ...) and the new client size.
template <class T>
MessageEntry MapSize(void (T::*handler)(UINT type, int cx, int cy)) {
  return detail::Entry<T>(WM_SIZE, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    return (t.*handler)(static_cast<UINT>(w), static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))), 0;
  });
}

// WM_SETFOCUS: the window that lost the focus.
template <class T>
MessageEntry MapSetFocus(void (T::*handler)(HWND lost)) {
  return detail::Entry<T>(WM_SETFOCUS, 0, 0, [handler](T& t, WPARAM w, LPARAM) -> MessageResult {
    return (t.*handler)(reinterpret_cast<HWND>(w)), 0;
  });
}

// WM_ACTIVATE: WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE; the default processing follows.
template <class T>
MessageEntry MapActivate(void (T::*handler)(UINT state, HWND other, bool minimized)) {
  return detail::Entry<T>(WM_ACTIVATE, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    (t.*handler)(LOWORD(w), reinterpret_cast<HWND>(l), HIWORD(w) != 0);
    return std::nullopt;
  });
}

// WM_NOTIFY: the handler's result, or nothing to leave the notification to the default procedure.
template <class T>
MessageEntry MapNotify(MessageResult (T::*handler)(NMHDR& header)) {
  return detail::Entry<T>(WM_NOTIFY, 0, 0, [handler](T& t, WPARAM, LPARAM l) -> MessageResult {
    return (t.*handler)(*reinterpret_cast<NMHDR*>(l));
  });
}

// WM_MENUSELECT: the item (its command, or its position for a popup), its MF_ flags and the menu;
// flags 0xFFFF and no menu when the menu closed.
template <class T>
MessageEntry MapMenuSelect(void (T::*handler)(UINT item, UINT flags, HMENU menu)) {
  return detail::Entry<T>(WM_MENUSELECT, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    return (t.*handler)(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l)), 0;
  });
}

// WM_INITMENUPOPUP: the popup about to open, its position, and whether it is the window menu.
template <class T>
MessageEntry MapInitMenuPopup(void (T::*handler)(HMENU popup, UINT index, bool windowMenu)) {
  return detail::Entry<T>(WM_INITMENUPOPUP, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    return (t.*handler)(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l) != 0), 0;
  });
}

// A mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...): the MK_ keys and the point in client
// coordinates; the handler returns false to leave it to the default procedure.
template <class T>
MessageEntry MapMouse(UINT message, bool (T::*handler)(UINT keys, POINT client)) {
  return detail::Entry<T>(message, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    if ((t.*handler)(static_cast<UINT>(w), detail::PointOf(l))) return 0;
    return std::nullopt;
  });
}

// WM_CAPTURECHANGED: the window that takes the mouse; the default processing follows.
template <class T>
MessageEntry MapCaptureChanged(void (T::*handler)(HWND newCapture)) {
  return detail::Entry<T>(WM_CAPTURECHANGED, 0, 0, [handler](T& t, WPARAM, LPARAM l) -> MessageResult {
    (t.*handler)(reinterpret_cast<HWND>(l));
    return std::nullopt;
  });
}

// WM_SETCURSOR: the window under the mouse, the hit-test code and the mouse message; the handler
// returns true when it set the cursor, false to leave it to the default procedure.
template <class T>
MessageEntry MapSetCursor(bool (T::*handler)(HWND window, UINT hitTest, UINT message)) {
  return detail::Entry<T>(WM_SETCURSOR, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    if ((t.*handler)(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l))) return TRUE;
    return std::nullopt;
  });
}

// WM_SYSCOMMAND: the handler returns false to leave the command to the default procedure.
template <class T>
MessageEntry MapSysCommand(bool (T::*handler)(UINT id, LPARAM lParam)) {
  return detail::Entry<T>(WM_SYSCOMMAND, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    if ((t.*handler)(static_cast<UINT>(w), l)) return 0;
    return std::nullopt;
  });
}

// WM_VKEYTOITEM, sent by a list box with LBS_WANTKEYBOARDINPUT for each key: the handler returns
// -1 to leave the key to the list, -2 when it handled it.
template <class T>
MessageEntry MapVKeyToItem(int (T::*handler)(UINT key, HWND list)) {
  return detail::Entry<T>(WM_VKEYTOITEM, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    return (t.*handler)(LOWORD(w), reinterpret_cast<HWND>(l));
  });
}

// WM_CONTEXTMENU: the window clicked and the point in screen coordinates; from the keyboard the
// point is (-1, -1).
template <class T>
MessageEntry MapContextMenu(void (T::*handler)(HWND window, POINT screen)) {
  return detail::Entry<T>(WM_CONTEXTMENU, 0, 0, [handler](T& t, WPARAM w, LPARAM l) -> MessageResult {
    return (t.*handler)(reinterpret_cast<HWND>(w), detail::PointOf(l)), 0;
  });
}

template <class T>
MessageEntry MapQueryDragIcon(HCURSOR (T::*handler)()) {
  return detail::Entry<T>(WM_QUERYDRAGICON, 0, 0, [handler](T& t, WPARAM, LPARAM) -> MessageResult {
    return reinterpret_cast<LRESULT>((t.*handler)());
  });
}

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
