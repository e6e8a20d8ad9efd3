// SPDX-License-Identifier: GPL-3.0-or-later
// The cue module: the program's one cue player behind the module's interface.
#include "cue_module.h"
#include "cue_player.h"

namespace brelvox::ui {

namespace {

class ModuleOutput final : public CueOutput {
 public:
  void Play(std::shared_ptr<const brelvox::WaveSound> sound) override {
    player_.Play(std::move(sound));
  }

 private:
  CuePlayer player_;
};

}  // namespace

extern "C" Q_DECL_EXPORT CueOutput* BrelvoxMakeCueOutput() {
  return new ModuleOutput;
}

}  // namespace brelvox::ui
