// Best-first search: the most promising position waiting is taken next (ties: the newest first, so
// that a promising line is followed down), its moves tried, and each new position kept with the move
// that led to it, so that the way back from the won position is the solution.
//
// A best-first search now and then loses itself in a wide valley of a deal; another way of judging
// the positions usually walks past it. So short searches, each judging differently, come first, and
// only then one that goes on until it has won or seen every position there is.
#include "Solver.h"

#include <algorithm>
#include <cstdint>

namespace freecell {
namespace {

using NodeId = std::uint32_t;
constexpr NodeId kNoNode = 0xffffffffu;

// How a search judges a position: the weight of each thing that keeps it from the win.
struct Weights {
  int cardsLeft;     // cards not home yet
  int buried;        // cards lying on the next card of a suit to go home
  int filledCells;   // free cells in use
  int emptyColumns;  // (a bonus)
  int blocking;      // cards lying on a lower card of their column
  int breaks;        // places in a column where the order breaks
  int depthEighths;  // of the moves already made, so that short ways win
};

struct Strategy {
  Weights weights;
  std::size_t positions;  // the search gives up after so many; 0: the solver's limit
};

constexpr Strategy kStrategies[] = {
    {{3, 1, 4, 1, 2, 1, 2}, 3'000},
    {{3, 2, 5, 5, 3, 1, 2}, 3'000},
    {{3, 1, 5, 3, 2, 0, 4}, 20'000},
    {{4, 2, 6, 6, 3, 1, 3}, 10'000},
    {{3, 2, 5, 5, 2, 0, 8}, 0},
};

// How far a position looks from the win; lower is better.
int Distance(const Table& table, const Weights& weights) {
  int cardsLeft = 0;
  int buried = 0;
  int blocking = 0;
  int breaks = 0;
  for (int suit = 0; suit < Card::kSuits; ++suit) cardsLeft += Card::kKing - table.HomeRank(static_cast<Suit>(suit));
  for (int column = 0; column < Table::kColumns; ++column) {
    const std::span<const Card> cards = table.Column(column);
    int lowest = Card::kKing + 1;
    for (std::size_t position = 0; position < cards.size(); ++position) {
      const Card card = cards[position];
      // Everything above the next card of a suit to go home must move first.
      if (table.HomeRank(card.GetSuit()) + 1 == card.Rank()) buried += static_cast<int>(cards.size() - 1 - position);
      if (card.Rank() > lowest) ++blocking;
      lowest = std::min(lowest, card.Rank());
      if (position > 0 && !card.GoesOn(cards[position - 1])) ++breaks;
    }
  }
  return weights.cardsLeft * cardsLeft + weights.buried * buried +
         weights.filledCells * (Table::kCells - table.EmptyCells()) - weights.emptyColumns * table.EmptyColumns() +
         weights.blocking * blocking + weights.breaks * breaks;
}

struct Node {
  Table table;
  std::uint64_t key;
  NodeId parent;
  Move move;
  std::uint16_t depth;  // moves from the start
  bool cardsWentHome;   // after the move, by the safe moves
};

// The positions seen so far, found again by their key; the index grows with them, so that an easy
// deal costs little.
class PositionStore {
 public:
  void Clear() {
    m_nodes.clear();
    m_slots.assign(kFirstSlots, Slot{});
  }

  // The new node's id, or kNoNode when the position was there already.
  NodeId Add(const Table& table, NodeId parent, const Move& move, bool cardsWentHome) {
    const std::uint64_t key = table.Key();
    Slot& slot = m_slots[FindSlot(key, &table)];
    if (slot.id != kNoNode) return kNoNode;
    const auto id = static_cast<NodeId>(m_nodes.size());
    slot = {id, Check(key)};
    const int depth = parent == kNoNode ? 0 : m_nodes[parent].depth + 1;
    m_nodes.push_back({table, key, parent, move, static_cast<std::uint16_t>(depth), cardsWentHome});
    if (m_nodes.size() * 2 > m_slots.size()) Grow();
    return id;
  }

  const Node& operator[](NodeId id) const { return m_nodes[id]; }
  std::size_t Size() const { return m_nodes.size(); }

  std::vector<Move> PathTo(NodeId id) const {
    std::vector<Move> moves;
    for (; m_nodes[id].parent != kNoNode; id = m_nodes[id].parent) moves.push_back(m_nodes[id].move);
    std::reverse(moves.begin(), moves.end());
    return moves;
  }

 private:
  static constexpr std::size_t kFirstSlots = 1024;
  struct Slot {
    NodeId id = kNoNode;
    std::uint32_t check = 0;  // the key's high half: most different positions differ in it
  };
  static std::uint32_t Check(std::uint64_t key) { return static_cast<std::uint32_t>(key >> 32); }

  // The slot of the position, or the empty slot where it belongs; without a table, the first empty one.
  std::size_t FindSlot(std::uint64_t key, const Table* table) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(key) & mask;; at = (at + 1) & mask) {
      const Slot& slot = m_slots[at];
      if (slot.id == kNoNode) return at;
      if (table && slot.check == Check(key) && m_nodes[slot.id].table.SamePosition(*table)) return at;
    }
  }

  void Grow() {
    m_slots.assign(m_slots.size() * 2, Slot{});
    for (NodeId id = 0; id < m_nodes.size(); ++id) {
      m_slots[FindSlot(m_nodes[id].key, nullptr)] = {id, Check(m_nodes[id].key)};
    }
  }

  std::vector<Slot> m_slots;
  std::vector<Node> m_nodes;
};

// Waiting positions by priority, newest first within one priority.
class Frontier {
 public:
  void Clear() {
    for (std::vector<NodeId>& bucket : m_buckets) bucket.clear();
    m_lowest = 0;
  }
  void Push(int priority, NodeId id) {
    const std::size_t bucket = static_cast<std::size_t>(std::max(priority, 0));
    if (bucket >= m_buckets.size()) m_buckets.resize(bucket + 1);
    m_buckets[bucket].push_back(id);
    m_lowest = std::min(m_lowest, bucket);
  }
  bool Pop(NodeId& id) {
    while (m_lowest < m_buckets.size() && m_buckets[m_lowest].empty()) ++m_lowest;
    if (m_lowest >= m_buckets.size()) return false;
    id = m_buckets[m_lowest].back();
    m_buckets[m_lowest].pop_back();
    return true;
  }

 private:
  std::vector<std::vector<NodeId>> m_buckets;
  std::size_t m_lowest = 0;
};

}  // namespace

// One best-first search; its memory serves the next.
class Solver::Search {
 public:
  Solution Run(const Table& start, const Weights& weights, std::size_t maxPositions, std::stop_token stop) {
    auto priority = [&](const Node& node) { return Distance(node.table, weights) + node.depth * weights.depthEighths / 8; };
    m_store.Clear();
    m_frontier.Clear();
    Solution solution;
    const NodeId first = m_store.Add(start, kNoNode, {}, false);
    m_frontier.Push(priority(m_store[first]), first);
    NodeId id = kNoNode;
    while (m_frontier.Pop(id)) {
      if (stop.stop_requested()) return Finish(solution, Solution::Outcome::Stopped);
      if (m_store[id].table.IsWon()) {
        solution.moves = m_store.PathTo(id);
        return Finish(solution, Solution::Outcome::Won);
      }
      m_store[id].table.LegalMoves(m_moves);
      // Taking the last move back leads to the position before it, unless cards went home meanwhile.
      const Node& node = m_store[id];
      const Move back{node.move.to, node.move.from, node.move.count};
      const bool backIsKnown = id != first && !node.cardsWentHome;
      for (const Move& move : m_moves) {
        if (backIsKnown && move == back) continue;
        if (m_store.Size() >= maxPositions) return Finish(solution, Solution::Outcome::GaveUp);
        Table next = m_store[id].table;
        next.Apply(move);
        const bool wentHome = !next.PlaySafeMovesHome().empty();
        const NodeId added = m_store.Add(next, id, move, wentHome);
        if (added != kNoNode) m_frontier.Push(priority(m_store[added]), added);
      }
    }
    // Nothing left waiting: every position that can be reached has been seen.
    return Finish(solution, Solution::Outcome::Unsolvable);
  }

 private:
  Solution& Finish(Solution& solution, Solution::Outcome outcome) const {
    solution.outcome = outcome;
    solution.positions = m_store.Size();
    return solution;
  }

  PositionStore m_store;
  Frontier m_frontier;
  std::vector<Move> m_moves;
};

Solver::Solver(SolverLimits limits) : m_limits(limits), m_search(std::make_unique<Search>()) {}

Solver::~Solver() = default;

Solution Solver::Solve(const Table& table, std::stop_token stop) {
  Table start = table;
  start.PlaySafeMovesHome();
  std::size_t positions = 0;
  Solution solution;
  for (const Strategy& strategy : kStrategies) {
    const std::size_t limit = strategy.positions != 0 ? strategy.positions : m_limits.maxPositions;
    solution = m_search->Run(start, strategy.weights, std::min(limit, m_limits.maxPositions), stop);
    positions += solution.positions;
    if (solution.outcome != Solution::Outcome::GaveUp) break;
  }
  solution.positions = positions;
  return solution;
}

}  // namespace freecell
