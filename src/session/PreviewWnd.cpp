#include "session/PreviewWnd.h"

#include "collections/Launcher.h"

namespace {
const char* const previewWindowClass = "BrackwenTombolixPreview";
constexpr UINT_PTR watchTimerId = 1;
constexpr UINT watchMs = 250;
// As long as the session gives a screen saver to show itself in our window.
constexpr DWORD showItselfMs = 3000;
constexpr DWORD turnMs = 8000;
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
    if (!::IsWindow(given) || !IsWindowVisible(given) || !::IsWindow(picture.Handle())) {
        DestroyWindow();
        return;
    }
    if (!process) return;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE;
    const DWORD elapsed = GetTickCount() - startedAt;
    if (!shown) {
        shown = picture.StageShowsWindow();
        if (shown || (running && elapsed < showItselfMs)) return;
        cannotPreview[current] = true;
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
        if (LaunchScreenSaver(extraFolders, names[index], arguments, IDLE_PRIORITY_CLASS, &started, nullptr,
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
