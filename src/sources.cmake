# The layers of src/, from the bottom up. Each is a library that sees, and
# links, only itself and the layers named after it: its include root holds
# nothing else, so that a backward include does not compile.
set(TOMBOLIX_SRC ${CMAKE_CURRENT_LIST_DIR})
set(TOMBOLIX_SEES_base "")
set(TOMBOLIX_SEES_os base)
set(TOMBOLIX_SEES_framework base os)
set(TOMBOLIX_SEES_collections base os)
set(TOMBOLIX_SEES_session base os framework collections)
set(TOMBOLIX_SEES_tray base os framework collections res)
set(TOMBOLIX_SEES_config base os framework collections res)
set(TOMBOLIX_SEES_app base os framework collections session tray config res)

# The portable sources of each layer: no <windows.h>. They are built
# natively too, for the unit tests.
set(TOMBOLIX_PORTABLE_base CommandLine.cpp ProfileText.cpp Random.cpp TextPieces.cpp)
set(TOMBOLIX_PORTABLE_os SaveRecord.cpp Stopwatch.cpp)
set(TOMBOLIX_PORTABLE_collections
  Collection.cpp FileFinder.cpp OlderFileImport.cpp SaverEntry.cpp Schedule.cpp ScheduleText.cpp Settings.cpp SheetEdits.cpp StoredNames.cpp
  StoredState.cpp)
set(TOMBOLIX_PORTABLE_session MonitorAreas.cpp Playlist.cpp Session.cpp SessionCollections.cpp Showing.cpp)
set(TOMBOLIX_PORTABLE_tray StartupShortcut.cpp TrayIconModel.cpp)

# tombolix_<layer> from its portable sources and the further ones given.
function(tombolix_layer layer)
  set(sources ${TOMBOLIX_PORTABLE_${layer}} ${ARGN})
  list(TRANSFORM sources PREPEND ${TOMBOLIX_SRC}/${layer}/)
  add_library(tombolix_${layer} STATIC ${sources})
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(seen ${layer} ${TOMBOLIX_SEES_${layer}})
    file(CREATE_LINK ${TOMBOLIX_SRC}/${seen} ${root}/${seen} SYMBOLIC)
  endforeach()
  target_include_directories(tombolix_${layer} PRIVATE ${root})
  foreach(seen ${TOMBOLIX_SEES_${layer}})
    if(TARGET tombolix_${seen})
      target_link_libraries(tombolix_${layer} PUBLIC tombolix_${seen})
    endif()
  endforeach()
endfunction()
