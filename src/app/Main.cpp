// The program's entry point and its one application object.
#include "app/App.h"

namespace {
CApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
