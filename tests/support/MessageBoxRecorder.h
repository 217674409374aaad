// Test helper: the program's message boxes recorded instead of shown, answered with chosen
// buttons (IDOK when nothing was queued). Restores the real boxes at the end of the scope.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Platform.h"

namespace nuvari::test {

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

  std::vector<RecordedBox> boxes;
  std::deque<int> answers;
  // Runs while the box would be on screen (to look at the program's state meanwhile).
  std::function<void(const RecordedBox&)> onBox;
};

}  // namespace nuvari::test
