# What both shipped programs share, after mingw-common.cmake: size
# optimisation, section garbage collection, link-time optimisation and
# stripping keep the files small.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
# One link-time partition: with several, mingw-w64's GCC 12 stops with an
# internal error (binds_to_current_def_p, in dead-store elimination) on
# this program.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--gc-sections -flto -flto-partition=one -s")
