// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/key_events.h"

#include <QKeyEvent>

namespace brelvox::ui {

namespace {

// xkb key codes are the kernel's input codes plus 8.
constexpr quint32 kXkbOffset = 8;

struct UsKey {
  quint32 inputCode;
  int key;
};

// The letter rows of the US layout, and minus and equal beside the digits.
constexpr UsKey kUsKeys[] = {
    {12, Qt::Key_Minus}, {13, Qt::Key_Equal}, {16, Qt::Key_Q}, {17, Qt::Key_W}, {18, Qt::Key_E},
    {19, Qt::Key_R},     {20, Qt::Key_T},     {21, Qt::Key_Y}, {22, Qt::Key_U}, {23, Qt::Key_I},
    {24, Qt::Key_O},     {25, Qt::Key_P},     {30, Qt::Key_A}, {31, Qt::Key_S}, {32, Qt::Key_D},
    {33, Qt::Key_F},     {34, Qt::Key_G},     {35, Qt::Key_H}, {36, Qt::Key_J}, {37, Qt::Key_K},
    {38, Qt::Key_L},     {44, Qt::Key_Z},     {45, Qt::Key_X}, {46, Qt::Key_C}, {47, Qt::Key_V},
    {48, Qt::Key_B},     {49, Qt::Key_N},     {50, Qt::Key_M}};

// A key repeats only after it has been held this long (the window systems
// wait 200 to 660 ms); two presses closer together are two presses, even
// when the second shares its time stamp with the release between them.
constexpr quint64 kShortestRepeatDelay = 100;

}  // namespace

int UsLayoutKey(quint32 nativeScanCode) {
  for (const UsKey& usKey : kUsKeys)
    if (usKey.inputCode + kXkbOffset == nativeScanCode) return usKey.key;
  return 0;
}

quint64 HeldKeys::Identity(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return event.nativeScanCode();
  return (quint64{1} << 32) | static_cast<quint32>(event.key());
}

bool HeldKeys::Pressed(const QKeyEvent& event) {
  const quint64 key = Identity(event);
  const quint64 time = event.timestamp();
  // The toolkit, too, takes a release and a press with one time stamp for a
  // repeat, so its flag counts only past the delay as well.
  const bool heldLongEnough = time == 0 || time - pressedAt_.value(key) >= kShortestRepeatDelay;
  const bool releasedNow = time != 0 && releasedAt_.value(key) == time;
  const bool repeat =
      down_.contains(key) || ((event.isAutoRepeat() || releasedNow) && heldLongEnough);
  down_.insert(key);
  if (!repeat) pressedAt_.insert(key, time);
  return !repeat;
}

void HeldKeys::Released(const QKeyEvent& event) {
  const quint64 key = Identity(event);
  down_.remove(key);
  releasedAt_.insert(key, event.timestamp());
}

void HeldKeys::Forget() {
  down_.clear();
  releasedAt_.clear();
  pressedAt_.clear();
}

}  // namespace brelvox::ui
