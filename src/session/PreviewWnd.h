// The live preview in the screen-saver settings of Windows: plays the
// current collection's selected screen savers, each started with "/p" in a
// window of ours inside the given one, switching every 8 seconds and
// passing over those that cannot preview. It never writes anything, and it
// ends soon after the given window is destroyed or hidden. Its own window
// is never shown: it carries the timer and ends the process.
#pragma once
#include "framework/Wnd.h"
#include "os/KillOnCloseJob.h"
#include "os/OwnedHandle.h"
#include "session/HostWnd.h"

#include <string>
#include <vector>

class CPreviewWnd : public CFrameWnd {
public:
    CPreviewWnd(HWND given, std::vector<std::string> names, std::vector<std::string> extraFolders);
    ~CPreviewWnd() override;

    bool Create();

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnTimer(UINT_PTR) override;
    void OnDestroy() override;

private:
    // The next screen saver that may preview, in list order, in a fresh
    // stage; the picture stays black when none can.
    void StartNext();
    bool MayPlay(size_t index) const { return !cannotPreview[index]; }
    size_t PlayableCount() const;

    HWND given;
    std::vector<std::string> names;
    std::vector<std::string> extraFolders;
    std::vector<bool> cannotPreview;
    size_t next = 0;
    size_t current = 0;
    // The job goes last: a screen saver ends with its window first.
    CKillOnCloseJob job;
    CHostWnd picture;
    COwnedHandle process;
    DWORD processId = 0;
    DWORD startedAt = 0;
    bool shown = false;
    DWORD endingSince = 0;   // when the given window went
};
