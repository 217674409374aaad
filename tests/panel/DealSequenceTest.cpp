// The deal sequence and the pending list without any window.
#include "DealSequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using nuvari::DealSequence;
using Deals = std::vector<std::int32_t>;

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t count) {
  std::vector<std::int32_t> deals;
  for (std::int32_t i = 0; i < count; ++i) deals.push_back(first + i);
  return deals;
}

TEST(DealSequenceLoad, SkipsStoredZerosAndKeepsEverythingElse) {
  // Duplicates, 32000 and more than 100 entries are what loading must not judge.
  Deals stored = Range(1, 120);
  stored.insert(stored.begin() + 1, 0);
  stored.push_back(5);
  stored.push_back(32000);
  const DealSequence loaded = DealSequence::Load(7, stored);
  EXPECT_EQ(loaded.Listed().size(), 122u);
  EXPECT_EQ(loaded.Listed()[1], 2);
  EXPECT_EQ(loaded.Listed().back(), 32000);
  EXPECT_EQ(loaded.RetryNo(), 0);
  EXPECT_EQ(loaded.GetState(), DealSequence::State::kSequence);
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

TEST(DealSequenceLoad, StoredNumbersOutsideTheDealRangeAreSkippedAsZerosAre) {
  const DealSequence loaded = DealSequence::Load(7, {-5, 1, 40000, 32000, 32001, 0, 99});
  EXPECT_EQ(loaded.Listed(), (Deals{1, 32000, 99}));
  EXPECT_EQ(DealSequence::Load(32000, {32001, -1, 4}).RetryNo(), 4) << "the first listed deal, not the first stored";
}

TEST(DealSequenceLoad, Deal32000WithPendingEntersFinalAtTheFirstListed) {
  const DealSequence loaded = DealSequence::Load(32000, {0, 9, 4});
  EXPECT_EQ(loaded.GetState(), DealSequence::State::kFinal);
  EXPECT_EQ(loaded.RetryNo(), 9);
  EXPECT_FALSE(loaded.UpdateEnabled());
  EXPECT_FALSE(loaded.PendEnabled());
  EXPECT_TRUE(loaded.TryEnabled());
}

TEST(DealSequenceLoad, Deal32000WithOnlyZerosStaysInSequence) {
  const DealSequence loaded = DealSequence::Load(32000, {0, 0});
  EXPECT_EQ(loaded.GetState(), DealSequence::State::kSequence);
  EXPECT_TRUE(loaded.Listed().empty());
  EXPECT_FALSE(loaded.TryEnabled());
}

TEST(DealSequenceAdvance, Reaching32000WithPendingAsksForTheFirstPendingDeal) {
  DealSequence sequence(31999, 0, {5, 17});
  EXPECT_EQ(sequence.AdvanceGame(), DealSequence::Advance::kLastDealWithPending);
  EXPECT_EQ(sequence.GameNo(), 32000);
  EXPECT_EQ(sequence.Try(0), DealSequence::TryResult::kStarted);
  EXPECT_EQ(sequence.RetryNo(), 5);
  EXPECT_EQ(sequence.GetState(), DealSequence::State::kFinal);
}

TEST(DealSequenceAdvance, Reaching32000WithEmptyListIsAnOrdinaryDeal) {
  DealSequence sequence(31999, 0, {});
  EXPECT_EQ(sequence.AdvanceGame(), DealSequence::Advance::kNext);
  EXPECT_EQ(sequence.GameNo(), 32000);
}

TEST(DealSequenceAdvance, PassingTheLastDealStartsAgainAtOne) {
  struct Row { int line; std::int32_t from; Deals listed; };
  const Row rows[] = {
      {__LINE__, 32000, {}},
      {__LINE__, 32000, {3}},  // the list is not touched by the wrap
      {__LINE__, 40000, {}},   // a stored number beyond the range
      {__LINE__, std::numeric_limits<std::int32_t>::max(), {}},  // must not overflow
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(row.from, 0, row.listed);
    EXPECT_EQ(sequence.AdvanceGame(), DealSequence::Advance::kPassedLastDeal);
    EXPECT_EQ(sequence.GameNo(), 1);
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
  struct Row { int line; Deals listed; std::int32_t won; Deals left; std::size_t removedAt; std::size_t nextAt; };
  const Row rows[] = {
      {__LINE__, {3, 8, 12}, 12, {3, 8}, 2, 0},
      {__LINE__, {3, 8, 12}, 8, {3, 12}, 1, 1},
      {__LINE__, {3, 8, 12}, 3, {8, 12}, 0, 0},
      {__LINE__, {5, 17}, 5, {17}, 0, 0},
      {__LINE__, {9, 4, 9}, 9, {4, 9}, 0, 0},  // the first equal entry goes
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(400, row.won, row.listed);
    const DealSequence::Retirement retired = sequence.RetirePending();
    EXPECT_EQ(sequence.Listed(), row.left);
    EXPECT_EQ(retired.removedAt, row.removedAt);
    EXPECT_EQ(retired.nextAt, row.nextAt);
    EXPECT_EQ(sequence.RetryNo(), row.left[row.nextAt]);
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

TEST(DealSequenceRetire, UnlistedDealTakesUpTheFirstEntry) {
  DealSequence sequence(10, 99, {3, 8});
  const DealSequence::Retirement retired = sequence.RetirePending();
  EXPECT_FALSE(retired.removedAt);
  EXPECT_EQ(retired.nextAt, 0u);
  EXPECT_EQ(sequence.RetryNo(), 3);
}

TEST(DealSequenceUpdate, RefusedNumbersChangeNothing) {
  struct Row { int line; std::int32_t number; std::int32_t retryNo; Deals listed; DealSequence::Update expected; };
  using U = DealSequence::Update;
  const Row rows[] = {
      {__LINE__, 0, 0, {}, U::kOutOfRange},
      {__LINE__, 32001, 0, {}, U::kOutOfRange},
      {__LINE__, -5, 7, {7}, U::kOutOfRange},
      {__LINE__, 32000, 0, {7}, U::kLastDealWithPending},
      {__LINE__, 32000, 7, {7}, U::kLastDealWithPending},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    DealSequence sequence(250, row.retryNo, row.listed);
    EXPECT_EQ(sequence.UpdateGameNo(row.number), row.expected);
    EXPECT_EQ(sequence.GameNo(), 250);
    EXPECT_EQ(sequence.RetryNo(), row.retryNo);
  }
}

TEST(DealSequenceUpdate, AcceptedNumberLeavesTryingButKeepsTheEntry) {
  DealSequence trying(250, 7, {7});
  EXPECT_EQ(trying.UpdateGameNo(900), DealSequence::Update::kLeftTrying);
  EXPECT_EQ(trying.GameNo(), 900);
  EXPECT_EQ(trying.RetryNo(), 0);
  EXPECT_EQ(trying.Listed(), (Deals{7}));

  DealSequence walking(250, 0, {});
  EXPECT_EQ(walking.UpdateGameNo(32000), DealSequence::Update::kInSequence);
  EXPECT_EQ(walking.GameNo(), 32000);
}

}  // namespace
