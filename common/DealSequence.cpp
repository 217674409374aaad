#include "DealSequence.h"

#include <algorithm>
#include <iterator>

namespace nuvari {

DealSequence DealSequence::Load(std::int32_t gameNo, const std::vector<std::int32_t>& stored) {
  std::vector<std::int32_t> listed;
  // What is no deal is not listed, but it stays stored.
  std::copy_if(stored.begin(), stored.end(), std::back_inserter(listed), IsDeal);
  const std::int32_t retryNo = (gameNo == kLastDeal && !listed.empty()) ? listed.front() : 0;
  return DealSequence(gameNo, retryNo, std::move(listed));
}

std::optional<std::size_t> DealSequence::IndexOf(std::int32_t deal) const {
  const auto found = std::find(m_listed.begin(), m_listed.end(), deal);
  if (found == m_listed.end()) return std::nullopt;
  return static_cast<std::size_t>(found - m_listed.begin());
}

DealSequence::State DealSequence::GetState() const {
  if (m_retryNo == 0) return State::kSequence;
  return m_gameNo == kLastDeal ? State::kFinal : State::kTrying;
}

DealSequence::Advance DealSequence::AdvanceGame() {
  // Compared before adding, so a stored number at the top of the range cannot overflow.
  if (m_gameNo >= kLastDeal) {
    m_gameNo = kFirstDeal;
    return Advance::kPassedLastDeal;
  }
  ++m_gameNo;
  return (m_gameNo == kLastDeal && !m_listed.empty()) ? Advance::kLastDealWithPending : Advance::kNext;
}

DealSequence::PendCheck DealSequence::CheckPend() const {
  if (m_gameNo == kLastDeal) return PendCheck::kIsLastDeal;
  if (IndexOf(m_gameNo)) return PendCheck::kAlreadyListed;
  if (m_listed.size() >= kMaxPendingDeals) return PendCheck::kListFull;
  return PendCheck::kAccepted;
}

void DealSequence::AppendCurrent() { m_listed.push_back(m_gameNo); }

DealSequence::TryResult DealSequence::Try(std::size_t index) {
  const std::int32_t deal = m_listed.at(index);
  if (deal == m_retryNo) return TryResult::kAlreadyTrying;
  m_retryNo = deal;
  return TryResult::kStarted;
}

DealSequence::Retirement DealSequence::RetirePending() {
  Retirement result;
  result.removedAt = IndexOf(m_retryNo);
  if (result.removedAt) m_listed.erase(m_listed.begin() + static_cast<std::ptrdiff_t>(*result.removedAt));
  if (m_listed.empty()) {
    m_retryNo = 0;
    return result;
  }
  const std::size_t removed = result.removedAt.value_or(m_listed.size());
  result.nextAt = removed < m_listed.size() ? removed : 0;
  m_retryNo = m_listed[*result.nextAt];
  return result;
}

DealSequence::Update DealSequence::UpdateGameNo(std::int32_t number) {
  if (number < kFirstDeal || number > kLastDeal) return Update::kOutOfRange;
  if (number == kLastDeal && !m_listed.empty()) return Update::kLastDealWithPending;
  m_gameNo = number;
  if (m_retryNo == 0) return Update::kInSequence;
  m_retryNo = 0;
  return Update::kLeftTrying;
}

}  // namespace nuvari
