#include "session/PreviewWnd.h"

#include "os/Trace.h"
#include "session/Win32Children.h"
#include "session/Win32SessionHost.h"

namespace {
const char* const previewWindowClass = "BrackwenTombolixPreview";
constexpr UINT_PTR watchTimerId = 1;
constexpr UINT watchMs = 250;
}  // namespace

CPreviewWnd::CPreviewWnd(HWND given, std::vector<std::string> names, std::vector<std::string> extraFolders,
                         bool traceEnabled)
    : given(given), extraFolders(std::move(extraFolders)), traceEnabled(traceEnabled),
      playlist(*this, std::move(names))
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
    playlist.Tick();
    return 0;
}

void CPreviewWnd::OnTimer(UINT_PTR)
{
    // The settings of Windows destroy or hide the picture when the user
    // picks another screen saver or closes them.
    if (!::IsWindow(given) || !IsWindowVisible(given) || !::IsWindow(picture.Handle())) {
        playlist.End();
        DestroyWindow();
        return;
    }
    if (picture.FollowParent()) playlist.Replay();
    playlist.Tick();
}

void CPreviewWnd::OnDestroy()
{
    KillTimer(m_hWnd, watchTimerId);
    PostQuitMessage(0);
}

int64_t CPreviewWnd::Now()
{
    return CalendarMilliseconds();
}

Launched CPreviewWnd::Launch(const std::string& name, Place)
{
    return LaunchHosted(picture, job.Get(), extraFolders, name);
}

void CPreviewWnd::Trace(const std::string& line)
{
    if (traceEnabled) TraceWrite(".\\Preview : %s", line.c_str());
}
