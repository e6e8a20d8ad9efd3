// Playback of the wave cues. Qt Multimedia and the sound libraries under it
// take longer to load than the rest of the program together, so they live in
// a module of their own that the program loads at its first cue.
#pragma once

#include <QString>
#include <memory>

class CuePlayer {
 public:
  virtual ~CuePlayer() = default;
  // Starts playing a wave file; a new cue cuts off the one before. Never
  // blocks, and a file that cannot be played stays silent.
  virtual void Play(const QString& file) = 0;
};

// The player of the cue module, or nullptr when the module cannot be loaded
// (the game then stays silent). The module is looked for beside the program,
// then in its installed folder.
std::unique_ptr<CuePlayer> LoadCuePlayer();

// The module's one entry point.
extern "C" using MakeCuePlayerFunction = CuePlayer * ();
inline constexpr char kMakeCuePlayerSymbol[] = "BrelvoxMakeCuePlayer";
