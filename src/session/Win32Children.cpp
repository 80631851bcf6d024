#include "session/Win32Children.h"

#include "collections/Launcher.h"
#include "os/OwnedHandle.h"

namespace {
struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK StopAtProcessWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The first top-level window that the process owns.
HWND FindProcessWindow(DWORD processId)
{
    WindowSearch search{processId, nullptr};
    EnumWindows(&StopAtProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What both kinds share: the process, and its window found when asked for.
class CChildProcess : public IChild {
public:
    CChildProcess(HANDLE process, DWORD id) : process(process), id(id) {}

    bool IsRunning() override
    {
        DWORD code = 0;
        return GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
    }
    bool AskToClose() override
    {
        HWND window = Window();
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        return window != nullptr;
    }
    void PressHome() override
    {
        HWND window = Window();
        if (!window) return;
        PostMessageA(window, WM_KEYDOWN, VK_HOME, 0);
        if (IsWindow(window)) PostMessageA(window, WM_KEYUP, VK_HOME, 0);
    }

protected:
    virtual HWND Window() = 0;

    COwnedHandle process;
    const DWORD id;
};

class CDesktopChild : public CChildProcess {
public:
    using CChildProcess::CChildProcess;

    bool HasShownItself() override { return true; }
    void TakeWindowAway() override {}
    // One over the desktop is never ended by force: it may be the one that
    // asks for the desktop password.
    void End() override {}

private:
    // Looked up once, when it is first asked for.
    HWND Window() override
    {
        if (!window) window = FindProcessWindow(id);
        return window;
    }

    HWND window = nullptr;
};

class CHostedChild : public CChildProcess {
public:
    CHostedChild(HANDLE process, DWORD id, HWND stage) : CChildProcess(process, id), stage(stage)
    {
        HandStageTo(stage, process);
    }
    // The stage goes with the child; ending it first keeps its going from
    // waiting on a screen saver that stopped answering.
    ~CHostedChild() override { DestroyWindow(stage); }

    bool HasShownItself() override { return StageContent(stage) != nullptr; }
    void TakeWindowAway() override { ShowWindow(stage, SW_HIDE); }
    void End() override { TerminateProcess(process.get(), 0); }

private:
    // Its window in our stage, or one of its own where it opened one.
    HWND Window() override
    {
        HWND content = StageContent(stage);
        return content ? content : FindProcessWindow(id);
    }

    HWND stage;
};

// The launch's outcome, and the child made of the process when it started.
template <class Child, class... Extra>
Launched Adopt(StartedScreenSaver started, Extra... extra)
{
    Launched launched;
    launched.outcome = started.outcome;
    if (started.outcome != LaunchOutcome::Started) return launched;
    launched.child = std::make_unique<Child>(started.process.release(), started.processId, extra...);
    launched.path = std::move(started.path);
    return launched;
}
}  // namespace

Launched LaunchOverDesktop(const std::vector<std::string>& extraFolders, const std::string& name)
{
    return Adopt<CDesktopChild>(LaunchScreenSaver(extraFolders, name, "/s", IDLE_PRIORITY_CLASS));
}

Launched LaunchHosted(CHostWnd& window, HANDLE job, const std::vector<std::string>& extraFolders,
                      const std::string& name)
{
    HWND stage = window.NewStage();
    if (!stage) return {};
    const std::string arguments = "/p " + std::to_string(reinterpret_cast<uintptr_t>(stage));
    StartedScreenSaver started = LaunchScreenSaver(extraFolders, name, arguments, IDLE_PRIORITY_CLASS, job);
    if (started.outcome != LaunchOutcome::Started) DestroyWindow(stage);
    return Adopt<CHostedChild>(std::move(started), stage);
}
