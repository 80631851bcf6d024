# The program we ship for 32-bit Windows, from XP on. The win32 thread model
# keeps winpthreads out (it imports GetTickCount64, which XP lacks).
# GoogleTest needs the posix thread model, so the tests of the 32-bit build
# come from mingw-i686.cmake.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-shipped.cmake)
