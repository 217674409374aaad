// Test helper: the program's message boxes recorded instead of shown, answered with chosen
// buttons (IDOK when nothing was queued). Every box must carry the program's name. Restores the
// real boxes at the end of the scope.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Platform.h"

namespace nuvari::test {

inline constexpr UINT kInformation = MB_OK | MB_ICONINFORMATION;
inline constexpr UINT kWarning = MB_OK | MB_ICONEXCLAMATION;
inline constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;

// Boxes as texts with their whole types (buttons, icon and default button).
using Shown = std::vector<std::pair<std::string, UINT>>;

struct RecordedBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    fw::platform::TestHooks().messageBox = [this](HWND owner, const std::string& text, const std::string& caption,
                                                  UINT type) {
      EXPECT_EQ(caption, "Nuvari") << text;
      boxes.push_back({owner, text, caption, type});
      if (onBox) onBox(boxes.back());
      if (answers.empty()) return IDOK;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    };
  }
  ~MessageBoxRecorder() { fw::platform::TestHooks().messageBox = nullptr; }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  // The boxes' texts in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const RecordedBox& box : boxes) texts.push_back(box.text);
    return texts;
  }
  Shown TextsAndTypes() const {
    Shown shown;
    for (const RecordedBox& box : boxes) shown.emplace_back(box.text, box.type);
    return shown;
  }

  std::vector<RecordedBox> boxes;
  std::deque<int> answers;
  // Runs while the box would be on screen (to look at the program's state meanwhile).
  std::function<void(const RecordedBox&)> onBox;
};

}  // namespace nuvari::test
