// The live preview in the screen-saver settings of Windows: plays the
// current collection's selected screen savers in a window of ours inside
// the given one, by the playlist's rules. It never writes anything, and it
// ends as soon as the given window is destroyed or hidden. Its own window
// is never shown: it carries the timer and ends the process.
#pragma once
#include "framework/Wnd.h"
#include "os/KillOnCloseJob.h"
#include "session/HostWnd.h"
#include "session/Playlist.h"

#include <string>
#include <vector>

class CPreviewWnd : public CFrameWnd, private IHosting {
public:
    CPreviewWnd(HWND given, std::vector<std::string> names, std::vector<std::string> extraFolders,
                bool traceEnabled);
    ~CPreviewWnd() override;

    bool Create();

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnTimer(UINT_PTR) override;
    void OnDestroy() override;

private:
    int64_t Now() override;
    Launched Launch(const std::string& name, Place place) override;
    void Trace(const std::string& line) override;

    HWND given;
    std::vector<std::string> extraFolders;
    bool traceEnabled;
    // In this order, so that they go the other way: the screen saver first,
    // then the picture it showed in, and the job, which ends whatever is
    // left, last.
    CKillOnCloseJob job;
    CHostWnd picture;
    CPlaylist playlist;
};
