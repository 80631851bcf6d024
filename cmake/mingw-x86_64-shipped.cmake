# The program we ship for 64-bit Windows, from XP x64 on, made as the 32-bit
# one is (mingw-i686-shipped.cmake). The tests of the 64-bit build come from
# mingw-x86_64.cmake, whose thread model GoogleTest needs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-shipped.cmake)
