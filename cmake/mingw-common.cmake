# Cross-compiling with Debian's mingw-w64 for the target MINGW_TRIPLET that
# the including toolchain file sets, with the thread model MINGW_THREADS
# (posix unless it says win32).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT MINGW_THREADS)
  set(MINGW_THREADS posix)
endif()

set(CMAKE_C_COMPILER   ${MINGW_TRIPLET}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: the program must import nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
