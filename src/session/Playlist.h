// The live preview's rules: the collection's selected screen savers take
// turns of 8 seconds in the one place of the preview, in list order,
// passing over those that cannot preview. The hosting is a monitor's: the
// same showing, its starting, its ending and its deadlines.
#pragma once
#include "session/SessionHost.h"
#include "session/Showing.h"

#include <cstdint>
#include <string>
#include <vector>

class CPlaylist {
public:
    CPlaylist(IHosting& host, std::vector<std::string> names);

    // The watch, four times a second: at most one short round of starts,
    // so that thousands of missing screen savers never hold the preview.
    void Tick();
    // The screen saver now showing starts again, in a stage of the new
    // size of the picture.
    void Replay();
    // Ends the screen saver now showing, by force: the preview is over.
    void End() { showing.EndNow(); }
    bool IsPlaying() const { return !showing.IsEmpty(); }

private:
    // Tries the next names in list order until one starts, each name at
    // most once and within the round's time.
    void StartNext(int64_t now);
    size_t PlayableCount() const;

    IHosting& host;
    std::vector<std::string> names;
    std::vector<bool> cannotPreview;
    CShowing showing;
    size_t next = 0;
    size_t current = 0;
    // A screen saver that ended by itself is followed when its turn would
    // have ended: one that ends at once is not started four times a second.
    int64_t notBefore = 0;
};
