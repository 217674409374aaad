// The deal sequence and the pending list without any window.
#include "DealSequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

using nuvari::DealSequence;
using Deals = std::vector<std::int32_t>;

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t count) {
  std::vector<std::int32_t> deals;
  for (std::int32_t i = 0; i < count; ++i) deals.push_back(first + i);
  return deals;
}

// Loading judges nothing but the range: duplicates, 32000 and more than 100 entries are kept.
TEST(DealSequenceLoad, SkipsZerosAndNumbersOutsideTheDealRange) {
  using S = DealSequence::State;
  Deals many = Range(1, 120);
  many.insert(many.begin() + 1, 0);
  many.push_back(5);
  many.push_back(32000);
  Deals manyListed = Range(1, 120);
  manyListed.push_back(5);
  manyListed.push_back(32000);
  struct Row { int line; std::int32_t gameNo; Deals stored, listed; S state; std::int32_t retryNo; bool update, pend, tryOn; };
  const Row rows[] = {
      {__LINE__, 7, many, manyListed, S::kSequence, 0, true, true, true},
      {__LINE__, 7, {-5, 1, 40000, 32000, 32001, 0, 99}, {1, 32000, 99}, S::kSequence, 0, true, true, true},
      // 32000 with pending deals enters Final at the first listed deal, not the first stored.
      {__LINE__, 32000, {0, 9, 4}, {9, 4}, S::kFinal, 9, false, false, true},
      {__LINE__, 32000, {32001, -1, 4}, {4}, S::kFinal, 4, false, false, true},
      {__LINE__, 32000, {0, 0}, {}, S::kSequence, 0, true, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const DealSequence loaded = DealSequence::Load(row.gameNo, row.stored);
    EXPECT_EQ(loaded.Listed(), row.listed);
    EXPECT_EQ(loaded.GetState(), row.state);
    EXPECT_EQ(loaded.RetryNo(), row.retryNo);
    EXPECT_EQ((std::vector<bool>{loaded.UpdateEnabled(), loaded.PendEnabled(), loaded.TryEnabled()}),
              (std::vector<bool>{row.update, row.pend, row.tryOn}));
  }
}

TEST(NearestDeal, NumbersOutsideTheRangeBecomeItsEnds) {
  EXPECT_EQ(nuvari::NearestDeal(INT32_MIN), 1);
  EXPECT_EQ(nuvari::NearestDeal(0), 1);
  EXPECT_EQ(nuvari::NearestDeal(1), 1);
  EXPECT_EQ(nuvari::NearestDeal(11982), 11982);
  EXPECT_EQ(nuvari::NearestDeal(32000), 32000);
  EXPECT_EQ(nuvari::NearestDeal(32001), 32000);
  EXPECT_EQ(nuvari::NearestDeal(INT32_MAX), 32000);
}

TEST(DealSequenceAdvance, Reaching32000WithPendingAsksForTheFirstPendingDeal) {
  DealSequence sequence(31999, 0, {5, 17});
  EXPECT_EQ(sequence.AdvanceGame(), DealSequence::Advance::kLastDealWithPending);
  EXPECT_EQ(sequence.GameNo(), 32000);
  EXPECT_EQ(sequence.Try(0), DealSequence::TryResult::kStarted);
  EXPECT_EQ(sequence.RetryNo(), 5);
  EXPECT_EQ(sequence.GetState(), DealSequence::State::kFinal);
}

TEST(DealSequenceAdvance, PassingTheLastDealStartsAgainAtOne) {
  using A = DealSequence::Advance;
  struct Row { int line; std::int32_t from; Deals listed; A expected; std::int32_t next; };
  const Row rows[] = {
      {__LINE__, 31999, {}, A::kNext, 32000},  // with an empty list an ordinary deal
      {__LINE__, 32000, {}, A::kPassedLastDeal, 1},
      {__LINE__, 32000, {3}, A::kPassedLastDeal, 1},  // the list is not touched by the wrap
      {__LINE__, 40000, {}, A::kPassedLastDeal, 1},   // a stored number beyond the range
      {__LINE__, std::numeric_limits<std::int32_t>::max(), {}, A::kPassedLastDeal, 1},  // must not overflow
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(row.from, 0, row.listed);
    EXPECT_EQ(sequence.AdvanceGame(), row.expected);
    EXPECT_EQ(sequence.GameNo(), row.next);
    EXPECT_EQ(sequence.Listed(), row.listed);
  }
}

TEST(DealSequencePend, ChecksInOrder) {
  struct Row { int line; std::int32_t gameNo; Deals listed; DealSequence::PendCheck expected; };
  using P = DealSequence::PendCheck;
  const Row rows[] = {
      {__LINE__, 120, {1200}, P::kAccepted},  // whole numbers, not prefixes
      {__LINE__, 1200, {120}, P::kAccepted},
      {__LINE__, 120, {7, 120}, P::kAlreadyListed},
      {__LINE__, 32000, {}, P::kIsLastDeal},
      {__LINE__, 32000, Range(1, 100), P::kIsLastDeal},  // 32000 is told before the full list
      {__LINE__, 500, Range(1, 99), P::kAccepted},
      {__LINE__, 500, Range(1, 100), P::kListFull},
      {__LINE__, 50, Range(1, 100), P::kAlreadyListed},  // a listed deal is refused silently
      {__LINE__, 31999, {}, P::kAccepted},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(DealSequence(row.gameNo, 0, row.listed).CheckPend(), row.expected);
  }
}

TEST(DealSequencePend, AcceptedDealGoesToTheEnd) {
  DealSequence sequence(31999, 0, {4});
  ASSERT_EQ(sequence.CheckPend(), DealSequence::PendCheck::kAccepted);
  sequence.AppendCurrent();
  EXPECT_EQ(sequence.Listed(), (Deals{4, 31999}));
  EXPECT_EQ(sequence.AdvanceGame(), DealSequence::Advance::kLastDealWithPending);
}

TEST(DealSequenceTry, SecondTryOfTheSameDealDoesNotRestartIt) {
  DealSequence sequence(300, 0, {3, 8});
  EXPECT_EQ(sequence.Try(1), DealSequence::TryResult::kStarted);
  EXPECT_EQ(sequence.RetryNo(), 8);
  EXPECT_EQ(sequence.GetState(), DealSequence::State::kTrying);
  EXPECT_TRUE(sequence.UpdateEnabled());
  EXPECT_FALSE(sequence.PendEnabled());
  EXPECT_EQ(sequence.Try(1), DealSequence::TryResult::kAlreadyTrying);
  EXPECT_EQ(sequence.Try(0), DealSequence::TryResult::kStarted);
  EXPECT_EQ(sequence.RetryNo(), 3);
  EXPECT_EQ(sequence.GameNo(), 300);
}

TEST(DealSequenceRetire, GoesOnWithTheNextEntryThenWrapsToTheFirst) {
  struct Row { int line; Deals listed; std::int32_t won; Deals left; std::optional<std::size_t> removedAt, nextAt; };
  const Row rows[] = {
      {__LINE__, {3, 8, 12}, 12, {3, 8}, 2, 0},
      {__LINE__, {3, 8, 12}, 8, {3, 12}, 1, 1},
      {__LINE__, {3, 8, 12}, 3, {8, 12}, 0, 0},
      {__LINE__, {5, 17}, 5, {17}, 0, 0},
      {__LINE__, {9, 4, 9}, 9, {4, 9}, 0, 0},  // the first equal entry goes
      {__LINE__, {3, 8}, 99, {3, 8}, std::nullopt, 0},  // an unlisted deal takes up the first entry
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(400, row.won, row.listed);
    const DealSequence::Retirement retired = sequence.RetirePending();
    EXPECT_EQ(sequence.Listed(), row.left);
    EXPECT_EQ(retired.removedAt, row.removedAt);
    EXPECT_EQ(retired.nextAt, row.nextAt);
    EXPECT_EQ(sequence.RetryNo(), row.left[*row.nextAt]);
    EXPECT_EQ(sequence.GameNo(), 400);
  }
}

TEST(DealSequenceRetire, FinalStateEndsInSequenceAt32000) {
  DealSequence sequence = DealSequence::Load(32000, {5, 17});
  ASSERT_EQ(sequence.RetryNo(), 5);
  sequence.RetirePending();
  EXPECT_EQ(sequence.RetryNo(), 17);
  EXPECT_EQ(sequence.GetState(), DealSequence::State::kFinal);
  const DealSequence::Retirement last = sequence.RetirePending();
  EXPECT_EQ(last.removedAt, 0u);
  EXPECT_FALSE(last.nextAt);
  EXPECT_EQ(sequence.RetryNo(), 0);
  EXPECT_EQ(sequence.GameNo(), 32000);
  EXPECT_EQ(sequence.GetState(), DealSequence::State::kSequence);
  EXPECT_TRUE(sequence.UpdateEnabled());
  EXPECT_TRUE(sequence.PendEnabled());
  EXPECT_FALSE(sequence.TryEnabled());
}

// Refused numbers change nothing; an accepted one leaves trying but keeps the entry.
TEST(DealSequenceUpdate, RefusedNumbersChangeNothingAndAcceptedOnesLeaveTrying) {
  struct Row {
    int line;
    std::int32_t number, retryNo;
    Deals listed;
    DealSequence::Update expected;
    std::int32_t gameNo, retryAfter;
  };
  using U = DealSequence::Update;
  const Row rows[] = {
      {__LINE__, 0, 0, {}, U::kOutOfRange, 250, 0},
      {__LINE__, 32001, 0, {}, U::kOutOfRange, 250, 0},
      {__LINE__, -5, 7, {7}, U::kOutOfRange, 250, 7},
      {__LINE__, 32000, 0, {7}, U::kLastDealWithPending, 250, 0},
      {__LINE__, 32000, 7, {7}, U::kLastDealWithPending, 250, 7},
      {__LINE__, 900, 7, {7}, U::kLeftTrying, 900, 0},
      {__LINE__, 32000, 0, {}, U::kInSequence, 32000, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(250, row.retryNo, row.listed);
    EXPECT_EQ(sequence.UpdateGameNo(row.number), row.expected);
    EXPECT_EQ(sequence.GameNo(), row.gameNo);
    EXPECT_EQ(sequence.RetryNo(), row.retryAfter);
    EXPECT_EQ(sequence.Listed(), row.listed);
  }
}

}  // namespace
