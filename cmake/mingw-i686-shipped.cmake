# The program we ship: 32-bit Windows from XP on. The win32 thread model
# keeps winpthreads out (it imports GetTickCount64, which XP lacks); size
# optimisation, section garbage collection, link-time optimisation and
# stripping keep the file small. GoogleTest needs the posix thread model, so
# the tests of the 32-bit build come from mingw-i686.cmake.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
# One link-time partition: with several, mingw-w64's GCC 12 stops with an
# internal error (binds_to_current_def_p, in dead-store elimination) on
# this program.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--gc-sections -flto -flto-partition=one -s")
