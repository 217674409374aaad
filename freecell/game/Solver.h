// Finds a way to win a game of FreeCell, or shows there is none: best-first searches over the
// positions the rules of Table allow, each move followed by the safe moves home, every position
// visited once (columns and free cells in any order count as the same position).
#pragma once

#include <cstddef>
#include <memory>
#include <stop_token>
#include <vector>

#include "Move.h"
#include "Table.h"

namespace freecell {

struct SolverLimits {
  // Positions kept at most in the last, complete search; every deal 1 to 32000 needs far fewer, and
  // 11982 is proved unsolvable well within it.
  std::size_t maxPositions = 1'000'000;
};

struct Solution {
  enum class Outcome {
    Won,         // moves lead to the win
    Unsolvable,  // every position that can be reached was tried: there is no win
    GaveUp,      // the limit was reached first
    Stopped,     // the caller asked to stop
  };
  Outcome outcome = Outcome::GaveUp;
  // The player's moves from the table after its safe moves home; after each, the safe moves home.
  std::vector<Move> moves;
  std::size_t positions = 0;  // positions visited, in all searches together
};

class Solver {
 public:
  explicit Solver(SolverLimits limits = {});
  ~Solver();
  Solver(const Solver&) = delete;
  Solver& operator=(const Solver&) = delete;

  // The memory of one solve is kept for the next.
  Solution Solve(const Table& table, std::stop_token stop = {});

 private:
  class Search;
  SolverLimits m_limits;
  std::unique_ptr<Search> m_search;
};

}  // namespace freecell
