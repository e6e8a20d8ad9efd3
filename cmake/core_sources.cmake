# SPDX-License-Identifier: GPL-3.0-or-later
# The game's logic, plain C++ without any toolkit: one list for the normal
# builds and the fuzzers. Paths are relative to the project's top folder.
set(BRELVOX_CORE_SOURCES
  game/random.cpp
  game/new_game.cpp
  game/reveal.cpp
  game/end_of_game.cpp
  solver/safe_move.cpp
  solver/forced_move.cpp
  app/main_window_logic.cpp
  app/mouse_input.cpp
  app/board_cursor.cpp
  app/keyboard_commands.cpp
  app/hint_command.cpp
  app/clock_and_pause.cpp
  app/display_sizes.cpp
  app/new_and_info_commands.cpp
  app/sound_policy.cpp
  app/wave_sound.cpp
  app/score_table.cpp
  app/score_file.cpp
  app/settings_file.cpp
  app/text_lines.cpp
  app/atomic_file.cpp
  app/standard_streams.cpp
)
