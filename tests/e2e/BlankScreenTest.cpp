// Our own Blank Screen saver, as Windows would start it.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// "Blank Screen.scr" with the arguments, from the build folder.
struct BlankScreen {
    PROCESS_INFORMATION info{};
    explicit BlankScreen(const std::string& arguments)
    {
        std::string path = wintest::ShippedFolder() + "\\Blank Screen.scr";
        std::string commandLine = "\"" + path + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
        WaitForInputIdle(info.hProcess, 5000);
    }
    ~BlankScreen()
    {
        TerminateProcess(info.hProcess, 0);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    bool Ends() const { return WaitForSingleObject(info.hProcess, 5000) == WAIT_OBJECT_0; }
    bool Running() const { return WaitForSingleObject(info.hProcess, 300) == WAIT_TIMEOUT; }
    HWND Window() const
    {
        HWND window = nullptr;
        wintest::WaitUntil([&] { return (window = wintest::FindWindowOfProcess(info.dwProcessId, "BlankScreenSaver", nullptr)) != nullptr; }, 5s);
        return window;
    }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST(BlankScreenSaver, CoversTheScreenInBlackAndEndsOnAKey)
{
    BlankScreen saver("/s");
    HWND window = saver.Window();
    ASSERT_TRUE(window);
    RECT area;
    GetWindowRect(window, &area);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), area.right - area.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), area.bottom - area.top);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HDC screen = GetDC(nullptr);
    EXPECT_TRUE(wintest::WaitUntil([&] { return GetPixel(screen, 40, 40) == RGB(0, 0, 0); }, 5s));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(saver.Running());
    PostMessageA(window, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(saver.Ends());
}

TEST(BlankScreenSaver, IgnoresASmallMouseDriftButNotAMove)
{
    // The window manager shows the window under the real pointer, which
    // then reports where it is: put it where the drift starts.
    SetCursorPos(100, 100);
    BlankScreen saver("/s");
    HWND window = saver.Window();
    ASSERT_TRUE(window);
    PostMessageA(window, WM_MOUSEMOVE, 0, At(100, 100));
    PostMessageA(window, WM_MOUSEMOVE, 0, At(103, 97));
    EXPECT_TRUE(saver.Running());
    PostMessageA(window, WM_MOUSEMOVE, 0, At(120, 100));
    EXPECT_TRUE(saver.Ends());

    BlankScreen clicked("/S");
    ASSERT_TRUE(clicked.Window());
    PostMessageA(clicked.Window(), WM_LBUTTONDOWN, 0, At(5, 5));
    EXPECT_TRUE(clicked.Ends());

    BlankScreen closed("-s");
    ASSERT_TRUE(closed.Window());
    PostMessageA(closed.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(closed.Ends());
}

TEST(BlankScreenSaver, AnswersSettingsWithANote)
{
    BlankScreen saver("/c:0");
    EXPECT_EQ("Blank Screen shows a black screen. It has no settings.",
              wintest::AnswerMessageBox(saver.info.dwProcessId, "Blank Screen", 10s));
    EXPECT_TRUE(saver.Ends());
}

TEST(BlankScreenSaver, PreviewsInsideTheGivenWindowUntilItCloses)
{
    HWND preview = CreateWindowA("STATIC", "preview", WS_POPUP | WS_VISIBLE, 0, 0, 152, 112, nullptr, nullptr,
                                 nullptr, nullptr);
    BlankScreen saver("/p " + std::to_string(reinterpret_cast<uintptr_t>(preview)));
    HWND inside = nullptr;
    ASSERT_TRUE(wintest::WaitUntil([&] { return (inside = FindWindowExA(preview, nullptr, "BlankScreenPreview", nullptr)) != nullptr; }, 5s));
    RECT area;
    GetClientRect(inside, &area);
    EXPECT_EQ(152, area.right);
    EXPECT_EQ(112, area.bottom);
    DestroyWindow(preview);
    EXPECT_TRUE(saver.Ends());
}

}  // namespace
