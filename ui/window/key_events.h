// SPDX-License-Identifier: GPL-3.0-or-later
// What a key event means whatever the keyboard layout and the key repeat:
// the Latin letter on the key's place, and whether a press is a key's first
// or one that its auto-repeat makes.
#pragma once

#include <QHash>
#include <QSet>
#include <QtGlobal>

class QKeyEvent;

namespace brelvox::ui {

// The key that the US layout puts where the key with this native scan code
// sits: a letter, minus or equal; 0 for any other key. On X11 and Wayland the
// scan code is the xkb key code, the same on both and on every layout.
int UsLayoutKey(quint32 nativeScanCode);

// The keys down now. On X11 a held key repeats as a release and a press
// with the same time stamp, and the toolkit flags only some of those presses
// as repeats; a press of a key already down counts as one too.
class HeldKeys {
 public:
  // A key went down: true for its first press, false for a repeat.
  bool Pressed(const QKeyEvent& event);
  void Released(const QKeyEvent& event);
  // Every key counts as up: the window lost the keyboard, so their releases
  // go elsewhere.
  void Forget();

 private:
  // The key's scan code where the window system gives one, else its code.
  static quint64 Identity(const QKeyEvent& event);

  QSet<quint64> down_;
  QHash<quint64, quint64> releasedAt_;  // the time stamp of each key's last release
  QHash<quint64, quint64> pressedAt_;   // the time stamp of each key's last first press
};

}  // namespace brelvox::ui
