// The supervisor's stored values, wherever they are kept (registry or environment file): the
// default each takes when it is missing or empty, their text forms, and the same rules for
// numbers and for the pending list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nuvari {

// A frame rectangle as it is stored: left, top, right, bottom.
struct StoredRect {
  std::int32_t left, top, right, bottom;
};
struct StoredPoint {
  std::int32_t x, y;
};

// The one place each default is written; the supervisor, its frame and the tool all take them from here.
namespace defaults {
// Subkey FreeCell. The path has none of its own: the FreeCell search stands in for it.
inline constexpr std::int32_t kGameNo = 1;
inline constexpr std::int32_t kTop = 0;
inline constexpr std::int32_t kLeft = 0;
inline constexpr std::int32_t kIdleRow = 0;
inline constexpr std::int32_t kAutoExit = 1;
inline constexpr std::int32_t kGameOverYourWin = 0;
inline constexpr std::int32_t kGameOverYourWinCnt = 1;
// Subkey Window size: the frame at 10, 10, 540 x 490 (only left and top are ever used), with both bars.
inline constexpr StoredRect kRect{10, 10, 550, 500};
inline constexpr std::int32_t kIcon = 0;
inline constexpr std::int32_t kMax = 0;
inline constexpr std::int32_t kTool = 1;
inline constexpr std::int32_t kStatus = 1;
}  // namespace defaults

// "%04d %04d %04d %04d" of left, top, right, bottom.
std::string FormatStoredRect(const StoredRect& rect);
// kRect as its stored text, "0010 0010 0550 0500".
std::string DefaultRectText();
// Left from character 0 and top from character 5 of a stored Rect; the default corner when empty.
StoredPoint StoredRectCorner(const std::string& text);

// The values of subkey FreeCell but the pending deals, each at its default until read.
struct SettingsValues {
  std::string path;
  std::int32_t gameNo = defaults::kGameNo;
  std::int32_t top = defaults::kTop;
  std::int32_t left = defaults::kLeft;
  std::int32_t idleRow = defaults::kIdleRow;
  std::int32_t autoExit = defaults::kAutoExit;
  std::int32_t gameOverYourWin = defaults::kGameOverYourWin;
  std::int32_t gameOverYourWinCnt = defaults::kGameOverYourWinCnt;
  bool operator==(const SettingsValues&) const = default;
};

// The values of subkey Window size, each at its default until read; Rect is kept as its text.
struct PlacementValues {
  std::string rect = DefaultRectText();
  std::int32_t icon = defaults::kIcon;
  std::int32_t max = defaults::kMax;
  std::int32_t tool = defaults::kTool;
  std::int32_t status = defaults::kStatus;
  bool operator==(const PlacementValues&) const = default;
};

// A stored number: a missing or empty text takes the default.
std::int32_t NumberOrDefault(const std::string& text, std::int32_t defaultValue);

// The pending deals "Pending0", "Pending1", ... in order, up to the first missing or empty value;
// read(name) gives a value's text, empty when it is missing.
// At most atMost values are read.
std::vector<std::int32_t> ReadPendingList(const std::function<std::string(const std::string& name)>& read,
                                          std::size_t atMost = SIZE_MAX);

// The stored pending deals with each deal kept once, at its first position: a store ended half-way
// can leave a deal twice. Values that are no deal (0, outside 1..32000) all stay.
std::vector<std::int32_t> WithoutRepeatedDeals(const std::vector<std::int32_t>& stored);

}  // namespace nuvari
