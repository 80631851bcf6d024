// The display that the monitor scenarios run in: tests/run-wine-tests.sh
// starts Xvfb with one 2048x768 screen, splits it into two RandR monitors
// side by side, and has Wine read them through Xinerama. Input made with
// xdotool stands for the user's: the scenarios move the mouse and press
// keys with it.
#include "DisplayAndInput.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;

// A visible window of ours on the second monitor, at 1200,100-1400,300,
// that notes the keys pressed in it.
class InputTarget {
public:
    static constexpr const char* title = "MonitorTestInputTarget";

    InputTarget()
    {
        keysDown.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = NoteKeys;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = title;
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, 1200, 100, 200, 200, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    }
    ~InputTarget() { DestroyWindow(window); }
    InputTarget(const InputTarget&) = delete;
    InputTarget& operator=(const InputTarget&) = delete;

    HWND window;
    static std::vector<WPARAM> keysDown;

private:
    static LRESULT CALLBACK NoteKeys(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_KEYDOWN) keysDown.push_back(wp);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
};
std::vector<WPARAM> InputTarget::keysDown;

DWORD LastInputTick()
{
    LASTINPUTINFO info{sizeof info, 0};
    GetLastInputInfo(&info);
    return info.dwTime;
}

TEST(Monitors, TheDisplayHasTwoMonitorsSideBySide)
{
    EXPECT_EQ("0,0-1024,768 1024,0-2048,768", wintest::MonitorRectangles());
    EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(2048, GetSystemMetrics(SM_CXVIRTUALSCREEN));

    ASSERT_TRUE(wintest::XdoTool("mousemove 1500 300"));
    POINT cursor{};
    EXPECT_TRUE(wintest::WaitUntil([&] { return GetCursorPos(&cursor) && cursor.x == 1500 && cursor.y == 300; }, 5s))
        << cursor.x << "," << cursor.y;
    InputTarget target;

    // Wine hears of input only through its own windows: the pointer moving
    // over one, keys in the one that has X's focus.
    DWORD before = LastInputTick();
    ASSERT_TRUE(wintest::XdoTool("mousemove 1300 200"));
    EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return LastInputTick() != before; }, 5s));

    ASSERT_TRUE(wintest::XdoTool("search --name '^" + std::string(InputTarget::title) + "$' windowfocus --sync"));
    before = LastInputTick();
    ASSERT_TRUE(wintest::XdoTool("key space"));
    EXPECT_TRUE(wintest::WaitPumpingMessages([&] { return !InputTarget::keysDown.empty(); }, 5s));
    EXPECT_EQ(std::vector<WPARAM>{VK_SPACE}, InputTarget::keysDown);
    EXPECT_NE(before, LastInputTick());
}

// The shell gets the command as written, quotes, backslashes and double
// spaces included, and its status comes back.
TEST(LinuxCommand, GetsItsTextAsWrittenAndReportsItsStatus)
{
    EXPECT_TRUE(wintest::RunLinuxCommand(R"([ "a  b\\" = 'a  b\' ])", 5s));
    EXPECT_FALSE(wintest::RunLinuxCommand(R"([ "a  b\\" = 'a b\' ])", 5s));
    EXPECT_FALSE(wintest::RunLinuxCommand("exit 3", 5s));
}

}  // namespace
