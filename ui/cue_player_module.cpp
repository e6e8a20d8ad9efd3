// The cue module: one QSoundEffect that plays each cue in turn.
#include <QSoundEffect>
#include <QUrl>

#include "cue_player.h"

namespace {

class SoundEffectPlayer final : public CuePlayer {
 public:
  void Play(const QString& file) override {
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect_.source() != source) {
      effect_.stop();
      effect_.setSource(source);
    }
    effect_.play();
  }

 private:
  QSoundEffect effect_;
};

}  // namespace

extern "C" Q_DECL_EXPORT CuePlayer* BrelvoxMakeCuePlayer() {
  return new SoundEffectPlayer;
}
