#include <gtest/gtest.h>

#include "MessageBoxRecorder.h"
#include "InProcess.h"

using nuvari::test::MessageBoxRecorder;

class MessageBoxRoutine : public ::testing::Test {
 protected:
  nuvari::test::TestApp app;
  MessageBoxRecorder boxes;
};

TEST_F(MessageBoxRoutine, CaptionIsTheTitleAndTheButtonIsReturned) {
  boxes.answers.push_back(IDNO);
  EXPECT_EQ(app.DoMessageBox("テスト", MB_YESNO), IDNO);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, "Nuvari");
  EXPECT_EQ(boxes.boxes[0].text, "テスト");
}

TEST_F(MessageBoxRoutine, BoxesWithoutAnIconGetTheExclamationForTheCommonButtonSets) {
  struct Row { UINT requested; UINT shown; } rows[] = {
      {MB_OK, MB_OK | MB_ICONEXCLAMATION},
      {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
      {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
      {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
      {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
      {MB_RETRYCANCEL, MB_RETRYCANCEL},
      {MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
      {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
  };
  for (const Row& row : rows) {
    boxes.boxes.clear();
    app.DoMessageBox("x", row.requested);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].type, row.shown) << "requested " << row.requested;
  }
}

TEST_F(MessageBoxRoutine, TheActiveWindowOwnsTheBox) {
  HWND window = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(window);
  app.DoMessageBox("x", MB_OK);
  DestroyWindow(window);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].owner, window);
}
