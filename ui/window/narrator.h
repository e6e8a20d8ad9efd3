// SPDX-License-Identifier: GPL-3.0-or-later
// What a player who cannot see the board hears after each move. The window
// tells the narrator whenever the logic changed something it shows; once
// the event that caused it is done, the narrator compares the game with
// how it was after the last one and speaks the difference through a
// SpokenNotice: the cursor cell's new content and how many cells a flood
// uncovered, the cell a hint names and what became of it, pause and resume,
// the sound switch, the hint counter, a loss, a win and its time.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

namespace brelvox {
class MainWindowLogic;
}

namespace brelvox::ui {

class SpokenNotice;

class Narrator : public QObject {
  Q_OBJECT

 public:
  Narrator(const brelvox::MainWindowLogic& logic, SpokenNotice& notice, QObject* parent);

  // Something shown changed; the narrator speaks when the event is done.
  void Changed();
  // The event in progress is no move of the player's (a new board, a
  // dialog that holds the game in pause): what it changes is not news.
  void Quiet();
  // Speaks what is pending now, before a modal dialog takes the event loop.
  void SpeakNow();
  // The Hint command was given: a free move it makes is told as the hint's.
  void HintAsked();

  // What a player could know of the game at one moment.
  struct Moment {
    std::vector<std::uint8_t> cells;  // what each cell shows, row by row
    int cols = 0;
    int cursorCol = -1;  // -1 while the cursor is hidden
    int cursorRow = -1;
    bool over = false;
    bool won = false;
    bool paused = false;
    bool soundOn = false;
    int hintsLeft = 0;
    int hintSteps = 0;
    int hintCol = 0;
    int hintRow = 0;
    int seconds = 0;
    bool hintAsked = false;  // the Hint command was given since the last moment
  };
  // The words for the step from one moment to the next; empty when nothing
  // a player hears changed.
  static QString Difference(const Moment& before, const Moment& now);

 private:
  Moment Take() const;

  const brelvox::MainWindowLogic& logic_;
  SpokenNotice& notice_;
  // Declared before last_, which the constructor fills from Take().
  bool pending_ = false;
  bool quiet_ = false;  // the event in progress tells nothing
  bool hintAsked_ = false;
  Moment last_;
};

}  // namespace brelvox::ui
