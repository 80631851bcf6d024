// The program's entry point and its one application object.
#include "app/App.h"

#include <cstdlib>

namespace {
CApp theApp;
}

// The library's default answer to an escaped exception prints the
// exception's demangled type to the console, which a windowed program does
// not have; replacing it leaves the demangler (a sixth of the program's
// size) out of the file.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
