# SPDX-License-Identifier: GPL-3.0-or-later
# The game's logic, plain C++ without any toolkit, as one library per folder,
# each declaring what it may include and link:
#   brelvox-game    the standard library only
#   brelvox-solver  brelvox-game
#   brelvox-app     brelvox-game; brelvox-solver inside its own sources only
#   brelvox-driver  (brelvox-sim without its main) brelvox-app, brelvox-game
# brelvox-core is what a front end sees: brelvox-app and brelvox-game.
# One list for the normal builds and the fuzzers; paths are relative to the
# project's top folder.
include(${CMAKE_CURRENT_LIST_DIR}/folder_includes.cmake)

set(BRELVOX_GAME_SOURCES
  game/random.cpp
  game/new_game.cpp
  game/reveal.cpp
  game/end_of_game.cpp
)
set(BRELVOX_SOLVER_SOURCES
  solver/safe_move.cpp
  solver/forced_move.cpp
)
set(BRELVOX_APP_SOURCES
  app/main_window_logic.cpp
  app/board_cursor.cpp
  app/keyboard_commands.cpp
  app/mouse_input.cpp
  app/hint_command.cpp
  app/clock_and_pause.cpp
  app/display_sizes.cpp
  app/new_and_info_commands.cpp
  app/wave_file_finder.cpp
  app/wave_sound.cpp
  app/score_table.cpp
  app/score_file.cpp
  app/settings_file.cpp
  app/text_lines.cpp
  app/atomic_file.cpp
  app/file_place.cpp
  app/standard_streams.cpp
)
set(BRELVOX_DRIVER_SOURCES
  sim/command_reader.cpp
  sim/print_view.cpp
  sim/driver.cpp
)

function(brelvox_folder_library name folder sources)
  list(TRANSFORM ${sources} PREPEND ${brelvox_top_folder}/ OUTPUT_VARIABLE files)
  add_library(${name} STATIC ${files})
  brelvox_folder_includes(${name} ${folder})
endfunction()

function(brelvox_add_core_libraries)
  brelvox_folder_library(brelvox-game game BRELVOX_GAME_SOURCES)

  brelvox_folder_library(brelvox-solver solver BRELVOX_SOLVER_SOURCES)
  target_link_libraries(brelvox-solver PUBLIC brelvox-game)

  brelvox_folder_library(brelvox-app app BRELVOX_APP_SOURCES)
  target_link_libraries(brelvox-app PUBLIC brelvox-game PRIVATE brelvox-solver)

  brelvox_folder_library(brelvox-driver sim BRELVOX_DRIVER_SOURCES)
  target_link_libraries(brelvox-driver PUBLIC brelvox-app brelvox-game)

  add_library(brelvox-core INTERFACE)
  target_link_libraries(brelvox-core INTERFACE brelvox-app brelvox-game)
endfunction()
