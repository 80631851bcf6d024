// The monitors a session covers, as rectangles of the virtual screen.
#pragma once
#include <vector>

struct ScreenArea {
    long left, top, right, bottom;
    bool Contains(const ScreenArea& other) const
    {
        return left <= other.left && top <= other.top && right >= other.right && bottom >= other.bottom;
    }
    bool operator==(const ScreenArea& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// A monitor that repeats another or lies inside it, as a mirrored one does,
// counts once, and so does an empty one never; the rest from left to right,
// then top to bottom: monitor 1 is the leftmost.
std::vector<ScreenArea> DistinctMonitors(const std::vector<ScreenArea>& areas);
