#include "session/PreviewWnd.h"

#include "collections/Launcher.h"

namespace {
const char* const previewWindowClass = "BrackwenTombolixPreview";
constexpr UINT_PTR watchTimerId = 1;
constexpr UINT watchMs = 250;
// As long as the session gives a screen saver to show itself in our window.
constexpr DWORD showItselfMs = 3000;
constexpr DWORD turnMs = 8000;
constexpr DWORD endGraceMs = 1000;

BOOL CALLBACK AskToClose(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId)) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}
}  // namespace

CPreviewWnd::CPreviewWnd(HWND given, std::vector<std::string> names, std::vector<std::string> extraFolders)
    : given(given), names(std::move(names)), extraFolders(std::move(extraFolders)),
      cannotPreview(this->names.size(), false)
{
}

CPreviewWnd::~CPreviewWnd() = default;

bool CPreviewWnd::Create()
{
    const std::string className = AfxRegisterNamedWndClass(previewWindowClass, 0);
    return CreateEx(0, className, "", WS_POPUP, RECT{0, 0, 0, 0}, nullptr);
}

int CPreviewWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1 || !picture.CreateInside(given)) return -1;
    SetTimer(m_hWnd, watchTimerId, watchMs, nullptr);
    StartNext();
    return 0;
}

void CPreviewWnd::OnTimer(UINT_PTR)
{
    // The settings of Windows destroy or hide the picture when the user
    // picks another screen saver or closes them.
    DWORD code = 0;
    const bool running = process && GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
    if (!::IsWindow(given) || !IsWindowVisible(given) || !::IsWindow(picture.Handle())) {
        // A screen saver built the standard way ends with its window; it
        // gets a moment for that before the job ends it with this process.
        if (!endingSince) {
            picture.ClearStage();
            endingSince = GetTickCount();
        }
        if (!running || GetTickCount() - endingSince >= endGraceMs) DestroyWindow();
        return;
    }
    if (!process) return;
    const DWORD elapsed = GetTickCount() - startedAt;
    if (!shown) {
        shown = picture.StageShowsWindow();
        if (shown || (running && elapsed < showItselfMs)) return;
        // One that opened a window of its own over the screen is asked to
        // close it; the job ends it with the preview if it stays.
        cannotPreview[current] = true;
        EnumWindows(&AskToClose, static_cast<LPARAM>(processId));
        StartNext();
    } else if (!running || (elapsed >= turnMs && PlayableCount() > 1)) {
        StartNext();
    }
}

void CPreviewWnd::StartNext()
{
    picture.ClearStage();
    process.Close();
    for (size_t tries = 0; tries < names.size(); ++tries) {
        const size_t index = next++ % names.size();
        if (!MayPlay(index)) continue;
        HWND stage = picture.NewStage();
        const std::string arguments = "/p " + std::to_string(reinterpret_cast<uintptr_t>(stage));
        HANDLE started = nullptr;
        if (LaunchScreenSaver(extraFolders, names[index], arguments, IDLE_PRIORITY_CLASS, &started, &processId,
                              nullptr, job.Get()) == LaunchOutcome::Started) {
            process.reset(started);
            current = index;
            startedAt = GetTickCount();
            shown = false;
            return;
        }
        cannotPreview[index] = true;
    }
    picture.ClearStage();
}

size_t CPreviewWnd::PlayableCount() const
{
    size_t count = 0;
    for (size_t i = 0; i < names.size(); ++i) count += MayPlay(i) ? 1 : 0;
    return count;
}

void CPreviewWnd::OnDestroy()
{
    KillTimer(m_hWnd, watchTimerId);
    PostQuitMessage(0);
}
