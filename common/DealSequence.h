// The rules of the deal sequence and the pending deals, apart from any window: which deal comes
// next, when deal 32000 may be played, which deals may be set aside and which pending deal is
// tried after a win. The control panel keeps the listed deals in its list box and the numbers in
// its members; it builds a DealSequence from them for each command and shows the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace nuvari {

inline constexpr std::int32_t kFirstDeal = 1;
inline constexpr std::int32_t kLastDeal = 32000;
inline constexpr std::size_t kMaxPendingDeals = 100;

// A number FreeCell accepts as a deal; anything else stored is no deal.
constexpr bool IsDeal(std::int32_t number) { return number >= kFirstDeal && number <= kLastDeal; }
// A stored current deal outside the range would be refused by FreeCell: the nearest deal instead.
constexpr std::int32_t NearestDeal(std::int32_t number) {
  return number < kFirstDeal ? kFirstDeal : (number > kLastDeal ? kLastDeal : number);
}

class DealSequence {
 public:
  // Sequence: walking the deals; Trying: a pending deal is played; Final: the pending deals are
  // played because the sequence stands at deal 32000.
  enum class State { kSequence, kTrying, kFinal };
  enum class Advance { kNext, kLastDealWithPending, kPassedLastDeal };
  enum class PendCheck { kIsLastDeal, kAlreadyListed, kListFull, kAccepted };
  enum class TryResult { kStarted, kAlreadyTrying };
  enum class Update { kOutOfRange, kLastDealWithPending, kLeftTrying, kInSequence };

  // What a retirement did to the list: the position removed, and the position of the deal tried
  // next (none: back to the sequence).
  struct Retirement {
    std::optional<std::size_t> removedAt;
    std::optional<std::size_t> nextAt;
  };

  DealSequence(std::int32_t gameNo, std::int32_t retryNo, std::vector<std::int32_t> listed)
      : m_gameNo(gameNo), m_retryNo(retryNo), m_listed(std::move(listed)) {}

  // The stored deals without what is no deal (0, or outside 1..32000); at deal 32000 with deals
  // listed, the first is tried.
  static DealSequence Load(std::int32_t gameNo, const std::vector<std::int32_t>& stored);

  std::int32_t GameNo() const { return m_gameNo; }
  std::int32_t RetryNo() const { return m_retryNo; }
  const std::vector<std::int32_t>& Listed() const { return m_listed; }
  std::optional<std::size_t> IndexOf(std::int32_t deal) const;

  State GetState() const;
  // The panel's buttons follow the state.
  bool UpdateEnabled() const { return GetState() != State::kFinal; }
  bool PendEnabled() const { return GetState() == State::kSequence; }
  bool TryEnabled() const { return !m_listed.empty(); }

  // The next deal. Reaching 32000 with deals listed leaves the caller to try the first of them;
  // passing 32000 starts again at deal 1.
  Advance AdvanceGame();
  PendCheck CheckPend() const;
  // Lists the current deal; only after CheckPend accepted it.
  void AppendCurrent();
  TryResult Try(std::size_t index);
  // Drops the deal being tried and goes on with the entry after it (the first after the last).
  Retirement RetirePending();
  // A number typed by the player; refused numbers leave everything as it was.
  Update UpdateGameNo(std::int32_t number);

 private:
  std::int32_t m_gameNo;
  std::int32_t m_retryNo;
  std::vector<std::int32_t> m_listed;
};

}  // namespace nuvari
