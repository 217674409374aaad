// Declarative message maps: each window class lists the messages and commands it handles, with
// handlers that take decoded values. A class declares
//     static const fw::MessageMap& ClassMessageMap();
//     const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }
// and defines the table in its source, chained to its base class's table.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace fw {

class CCmdTarget;

struct MessageEntry {
  UINT message;  // WM_xxx; WM_COMMAND for commands and control notifications
  UINT code;     // notification code for WM_COMMAND entries (0: menu, accelerator or BN_CLICKED)
  UINT id;       // command or control id for WM_COMMAND entries
  std::function<LRESULT(CCmdTarget&, WPARAM, LPARAM)> handler;
};

struct MessageMap {
  MessageMap(const MessageMap* baseMap, std::initializer_list<MessageEntry> list) : base(baseMap), entries(list) {}
  const MessageMap* base;
  std::vector<MessageEntry> entries;
};

namespace detail {
template <class T>
T& As(CCmdTarget& target) { return static_cast<T&>(target); }
}  // namespace detail

// A menu command, accelerator, toolbar button or button click.
template <class T>
MessageEntry MapCommand(UINT id, void (T::*handler)()) {
  return {WM_COMMAND, 0, id, [handler](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
            (detail::As<T>(t).*handler)();
            return 0;
          }};
}

// A control notification other than a click (LBN_DBLCLK, EN_SETFOCUS, ...).
template <class T>
MessageEntry MapControl(UINT code, UINT id, void (T::*handler)()) {
  return {WM_COMMAND, code, id, [handler](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
            (detail::As<T>(t).*handler)();
            return 0;
          }};
}

// Any message, undecoded.
template <class T>
MessageEntry MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {message, 0, 0, [handler](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
            return (detail::As<T>(t).*handler)(w, l);
          }};
}

// A message whose handler takes nothing and returns nothing (WM_DESTROY, WM_PAINT, ...).
template <class T>
MessageEntry MapSimple(UINT message, void (T::*handler)()) {
  return {message, 0, 0, [handler](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
            (detail::As<T>(t).*handler)();
            return 0;
          }};
}

template <class T>
MessageEntry MapTimer(void (T::*handler)(UINT_PTR id)) {
  return {WM_TIMER, 0, 0, [handler](CCmdTarget& t, WPARAM w, LPARAM) -> LRESULT {
            (detail::As<T>(t).*handler)(static_cast<UINT_PTR>(w));
            return 0;
          }};
}

template <class T>
MessageEntry MapCreate(int (T::*handler)(CREATESTRUCTA& create)) {
  return {WM_CREATE, 0, 0, [handler](CCmdTarget& t, WPARAM, LPARAM l) -> LRESULT {
            return (detail::As<T>(t).*handler)(*reinterpret_cast<CREATESTRUCTA*>(l));
          }};
}

template <class T>
MessageEntry MapSysCommand(void (T::*handler)(UINT id, LPARAM lParam)) {
  return {WM_SYSCOMMAND, 0, 0, [handler](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
            (detail::As<T>(t).*handler)(static_cast<UINT>(w), l);
            return 0;
          }};
}

// WM_VKEYTOITEM, sent by a list box with LBS_WANTKEYBOARDINPUT for each key: the handler returns
// -1 to leave the key to the list, -2 when it handled it.
template <class T>
MessageEntry MapVKeyToItem(int (T::*handler)(UINT key, HWND list)) {
  return {WM_VKEYTOITEM, 0, 0, [handler](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
            return (detail::As<T>(t).*handler)(LOWORD(w), reinterpret_cast<HWND>(l));
          }};
}

// WM_CONTEXTMENU: the window clicked and the point in screen coordinates; from the keyboard the
// point is (-1, -1).
template <class T>
MessageEntry MapContextMenu(void (T::*handler)(HWND window, POINT screen)) {
  return {WM_CONTEXTMENU, 0, 0, [handler](CCmdTarget& t, WPARAM w, LPARAM l) -> LRESULT {
            const POINT screen{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
            (detail::As<T>(t).*handler)(reinterpret_cast<HWND>(w), screen);
            return 0;
          }};
}

template <class T>
MessageEntry MapQueryDragIcon(HCURSOR (T::*handler)()) {
  return {WM_QUERYDRAGICON, 0, 0, [handler](CCmdTarget& t, WPARAM, LPARAM) -> LRESULT {
            return reinterpret_cast<LRESULT>((detail::As<T>(t).*handler)());
          }};
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

  // Runs the handler of any other message; false when none.
  bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  const MessageEntry* FindEntry(UINT message, UINT code, UINT id) const;
};

}  // namespace fw
