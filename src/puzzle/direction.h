// The eight directions a word may read in a grid: their codes, the step from
// one letter to the next, and the direction that reads the same cells back.
#ifndef HARAVOIJA_PUZZLE_DIRECTION_H_
#define HARAVOIJA_PUZZLE_DIRECTION_H_

#include <array>

namespace haravoija {

// The direction codes of the placement scan, in their numeric order (the
// scan's sequence of directions is computed from them).
enum class Direction {
  kDownRight = 1,
  kUpRight = 2,
  kUpLeft = 3,
  kDownLeft = 4,
  kRight = 5,
  kDown = 6,
  kLeft = 7,
  kUp = 8,
};

// Every direction once, in code order.
inline constexpr std::array<Direction, 8> kAllDirections = {
    Direction::kDownRight, Direction::kUpRight, Direction::kUpLeft, Direction::kDownLeft,
    Direction::kRight,     Direction::kDown,    Direction::kLeft,   Direction::kUp};

struct Step {
  int row = 0;
  int column = 0;
};

// Row and column step from one letter of a word to the next; rows grow
// downwards.
constexpr Step directionStep(Direction direction) {
  switch (direction) {
    case Direction::kDownRight: return {1, 1};
    case Direction::kUpRight: return {-1, 1};
    case Direction::kUpLeft: return {-1, -1};
    case Direction::kDownLeft: return {1, -1};
    case Direction::kRight: return {0, 1};
    case Direction::kDown: return {1, 0};
    case Direction::kLeft: return {0, -1};
    case Direction::kUp: return {-1, 0};
  }
  return {0, 1};
}

// The direction whose step is the opposite one.
constexpr Direction reversed(Direction direction) {
  switch (direction) {
    case Direction::kRight: return Direction::kLeft;
    case Direction::kDown: return Direction::kUp;
    case Direction::kDownRight: return Direction::kUpLeft;
    case Direction::kUpRight: return Direction::kDownLeft;
    case Direction::kLeft: return Direction::kRight;
    case Direction::kUp: return Direction::kDown;
    case Direction::kUpLeft: return Direction::kDownRight;
    case Direction::kDownLeft: return Direction::kUpRight;
  }
  return direction;
}

// Of a direction and its reversal, the one that reads rightwards, or
// downwards when neither does: Right, Down, DownRight and UpRight.
constexpr bool readsForwards(Direction direction) {
  const Step step = directionStep(direction);
  return step.column > 0 || (step.column == 0 && step.row > 0);
}

static_assert([] {
  for (const Direction direction : kAllDirections) {
    const Step step = directionStep(direction);
    const Step back = directionStep(reversed(direction));
    if (back.row != -step.row || back.column != -step.column) return false;
    if (readsForwards(direction) == readsForwards(reversed(direction))) return false;
  }
  return true;
}());

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_DIRECTION_H_
