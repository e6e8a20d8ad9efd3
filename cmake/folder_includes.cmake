# SPDX-License-Identifier: GPL-3.0-or-later
# Includes are written from the project's top folder ("game/board.h"), but the
# top folder itself is never an include path: each library offers only its own
# folder, through a folder of the build that holds a single link named after
# it (build/include/game/game -> <source>/game). A file can include a folder's
# headers only when its target links that folder's library, so an include
# across a line the build does not declare fails to compile.
set(brelvox_top_folder ${CMAKE_CURRENT_LIST_DIR}/..)

# Makes `folder` (relative to the top folder, e.g. "game" or "tests/support")
# includable by `target` and, with PUBLIC or INTERFACE (the default is PUBLIC),
# by everything that links it.
function(brelvox_folder_includes target folder)
  set(scope PUBLIC)
  if(ARGC GREATER 2)
    set(scope ${ARGV2})
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(REAL_PATH ${brelvox_top_folder}/${folder} source)
  file(CREATE_LINK ${source} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} ${scope} ${root})
endfunction()
