# The portable logic: no <windows.h>, built natively for the unit tests and
# with mingw for the program.
set(TOMBOLIX_PORTABLE_SOURCES
  src/app/CommandLine.cpp
  src/app/Random.cpp
  src/collections/Collection.cpp
  src/collections/FileFinder.cpp
  src/collections/OlderFileImport.cpp
  src/collections/SaverEntry.cpp
  src/collections/Settings.cpp
  src/collections/SheetEdits.cpp
  src/collections/StoredNames.cpp
  src/collections/StoredState.cpp
  src/collections/TextPieces.cpp
  src/os/ProfileText.cpp
  src/session/Session.cpp
  src/session/Stopwatch.cpp
  src/tray/StartupShortcut.cpp
  src/tray/TrayIconModel.cpp
)
list(TRANSFORM TOMBOLIX_PORTABLE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)

add_library(tombolix_portable STATIC ${TOMBOLIX_PORTABLE_SOURCES})
target_include_directories(tombolix_portable PUBLIC ${CMAKE_CURRENT_LIST_DIR})
