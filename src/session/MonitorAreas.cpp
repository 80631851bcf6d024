#include "session/MonitorAreas.h"

#include <algorithm>
#include <tuple>

std::vector<ScreenArea> DistinctMonitors(const std::vector<ScreenArea>& areas)
{
    std::vector<ScreenArea> distinct;
    for (size_t i = 0; i < areas.size(); ++i) {
        const ScreenArea& area = areas[i];
        if (area.right <= area.left || area.bottom <= area.top) continue;
        // Inside a larger one, or the same as an earlier one.
        bool covered = false;
        for (size_t j = 0; j < areas.size() && !covered; ++j)
            covered = j != i && areas[j].Contains(area) && (!(areas[j] == area) || j < i);
        if (!covered) distinct.push_back(area);
    }
    std::sort(distinct.begin(), distinct.end(), [](const ScreenArea& a, const ScreenArea& b) {
        return std::tie(a.left, a.top) < std::tie(b.left, b.top);
    });
    return distinct;
}
