// The supervisor's view in a real frame, made by the single-document template of a test program
// object with the product's registry root, from a registry holding a FreeCell path and AutoExit
// off. Starting FreeCell and every message box go through the platform hooks; the view's own
// timer is stopped, so a test drives the ticks itself. The view starts as a start leaves it:
// FreeCell launched, a new game requested.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeFreeCell.h"
#include "InProcess.h"
#include "MessageBoxRecorder.h"
#include "RegistryScope.h"

namespace timertest {

using namespace nuvari::test;

enum class Edition { Half, Full };

class ViewFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Registry values written before the view is made (the settings it loads).
  virtual void PrepareRegistry() {}
  using Values = std::initializer_list<std::pair<const char*, std::string>>;
  // The program closed (storing its record) and started again with these values stored as well.
  void Reopen(Values values);

  // A FreeCell-like window that lives until the test ends (or Destroy()).
  FakeWindow& Make(const std::string& title, MenuBar menu = MenuBar::None, OnClose onClose = OnClose::Destroy);
  // The active texts of an edition, chosen the way the new-game step chooses them.
  void UseEdition(Edition edition);
  // The new-game step once against a main window of the edition, gone afterwards: the supervisor
  // between requests, with that edition's texts.
  void RunNewGameStep(Edition edition);
  void Tick() { view->OnTimer(CNuvariView::kTimerId); }
  // Ticks, then lets the posted clicks arrive.
  void TickAndPump() {
    Tick();
    PumpPending();
  }
  // True when a WM_CLOSE for the main frame waits in the queue (it is taken off).
  bool TakeFrameClose();

  RegistryScope registry;
  std::unique_ptr<MessageBoxRecorder> boxes;
  std::unique_ptr<TestApp> app;
  CNuvariView* view = nullptr;
  std::vector<std::unique_ptr<FakeWindow>> windows;

 private:
  void Open(Values values);
};

}  // namespace timertest
