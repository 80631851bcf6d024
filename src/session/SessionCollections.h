// The collections a session takes its screen savers from: the one it starts
// with or, following the schedule, the one the clock picks at each turn.
// Each is loaded once, so that each keeps its own position in list order.
#pragma once
#include "collections/Collection.h"
#include "collections/Schedule.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class IHosting;

// What the clock picks among: the rules, the file's collections and the
// collection of the Collections page.
struct SessionSchedule {
    std::vector<ScheduleRule> rules;
    std::vector<std::string> collections;
    std::string current;
};

class CSessionCollections {
public:
    // The collection stored under a name, its selected entries only.
    using Loader = std::function<std::unique_ptr<CCollection>(const std::string& name)>;

    explicit CSessionCollections(std::unique_ptr<CCollection> first);

    // From now on the clock picks the collection, by the rules.
    void FollowSchedule(SessionSchedule schedule, Loader load);
    // Reads the clock: the collection in effect changes when another rule,
    // or none, holds now; the change is traced.
    void FollowClock(const LocalTime& now, IHosting& host);

    CCollection& InEffect() const { return *inEffect; }
    // Leaves the entry out of every draw by weight from now on, in the
    // collections loaded later too.
    void WithdrawFromDraw(const std::string& name);

private:
    CCollection& Find(const std::string& name);

    std::vector<std::unique_ptr<CCollection>> loaded;
    CCollection* inEffect;
    std::optional<SessionSchedule> schedule;
    Loader load;
    // What the clock picked last, none before its first reading.
    std::optional<ScheduledCollection> picked;
    std::vector<std::string> withdrawn;
};
