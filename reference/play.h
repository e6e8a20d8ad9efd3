// SPDX-License-Identifier: GPL-3.0-or-later
// A careful player for measurements and comparisons: makes every move the
// safe-move finder allows and asks for a hint only when it allows none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_host.h"
#include "game/game_state.h"

namespace brelvox::play {

// A host that shows, plays and asks nothing.
class QuietHost : public GameHost {
 public:
  void DrawCell(std::uint8_t, int, int) override {}
  void PlayCue(const char*) override {}
  void StopGameControls() override {}
  void SubmitScore(int, int) override {}
  void SetHintCounter(std::int32_t) override {}
  void ShowTooManyHints() override {}
  void BeginBusyCursor() override {}
  void EndBusyCursor() override {}
};

// Keeps every drawn cell, in order, as one number (code, col, row). Its room
// is taken when it is made, so recording allocates nothing.
class DrawRecorder : public CellPainter {
 public:
  DrawRecorder() { draws.reserve(4 * 720); }
  void DrawCell(std::uint8_t code, int col, int row) override {
    draws.push_back(static_cast<std::uint32_t>(code) << 16 | static_cast<std::uint32_t>(col) << 8 |
                    static_cast<std::uint32_t>(row));
  }
  std::vector<std::uint32_t> draws;
};

// A fresh, all-covered board of `level` from generator state `seed`.
GameState FreshBoard(int level, std::uint32_t seed);

// Makes the finder's moves on the shown layer until it finds none or the game
// ends. Returns the number of moves made.
int MakeSafeMoves(GameState& state, GameHost& host);

// When a hint changes nothing, the covered cells left are all mines: the
// player marks them. Returns whether it had to.
bool MarkTheRest(GameState& state, GameHost& host);

struct GameReport {
  bool won = false;
  int hints = 0;         // justified hints the player asked for (the opening included)
  int charged = 0;       // hints that cost a hint
  int forcedClicks = 0;  // real clicks made by forced moves (when timed)
  int markedRest = 0;    // times the player had to mark what was left
};

// Plays one game from FreshBoard(level, seed) through the hint command. When
// `hintSeconds` is given, the time of every hint (the quickest of three runs
// on copies of the position) is appended to it and the forced clicks are
// counted; otherwise the game is played only once through.
GameReport PlayGame(int level, std::uint32_t seed, std::vector<double>* hintSeconds = nullptr);

// A position as text, one string a row: '.' covered, '*' covered mine, 'M'
// marked mine, 'W' marked cell without a mine, 'o' uncovered. The level gives
// the board's size; the neighbour counts are worked out.
struct Position {
  int level;
  const char* rows[24];
};
GameState LoadPosition(const Position& position);

// The same text for a running game, as the rows of a Position initializer.
std::string PositionText(const GameState& state);

}  // namespace brelvox::play
