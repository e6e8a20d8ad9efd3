// SPDX-License-Identifier: GPL-3.0-or-later
// Qt Multimedia and the sound libraries under it take longer to load than the
// rest of the program together, so the cue player (cue_player.h) lives in a
// module of its own, loaded at the first cue on the thread that plays the cues
// (cue_thread.h).
#pragma once

#include <memory>

#include "app/wave_sound.h"

namespace brelvox::ui {

class CueOutput {
 public:
  virtual ~CueOutput() = default;
  // Starts `sound` and returns at once; a new cue cuts off the one before.
  virtual void Play(std::shared_ptr<const brelvox::WaveSound> sound) = 0;
};

// The player of the cue module, or nullptr when the module cannot be loaded
// (the game then stays silent). The module is looked for beside the program,
// then in its installed folder.
std::unique_ptr<CueOutput> LoadCueOutput();

// The module's one entry point.
extern "C" using MakeCueOutputFunction = CueOutput * ();
inline constexpr char kMakeCueOutputSymbol[] = "BrelvoxMakeCueOutput";

}  // namespace brelvox::ui
