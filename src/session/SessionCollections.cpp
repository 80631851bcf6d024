#include "session/SessionCollections.h"

#include "base/TextPieces.h"
#include "collections/StoredNames.h"
#include "session/SessionHost.h"

CSessionCollections::CSessionCollections(std::unique_ptr<CCollection> first) : inEffect(first.get())
{
    loaded.push_back(std::move(first));
}

void CSessionCollections::FollowSchedule(SessionSchedule rules, Loader loader)
{
    schedule = std::move(rules);
    load = std::move(loader);
}

void CSessionCollections::FollowClock(const LocalTime& now, IHosting& host)
{
    if (!schedule) return;
    ScheduledCollection pick = ChooseByClock(schedule->rules, schedule->collections, schedule->current, now);
    if (picked && picked->rule == pick.rule && SameName(picked->collection, pick.collection)) return;
    picked = pick;
    inEffect = &Find(pick.collection);
    const std::string why = pick.rule ? "rule " + FormatDecimal(static_cast<int32_t>(*pick.rule + 1)) : "no rule holds";
    host.Trace("schedule: " + pick.collection + " from " + FormatMinuteOfDay(now.minuteOfDay) + " (" + why + ")");
}

CCollection& CSessionCollections::Find(const std::string& name)
{
    for (const auto& collection : loaded)
        if (SameName(collection->GetName(), name)) return *collection;
    loaded.push_back(load(name));
    CCollection& collection = *loaded.back();
    if (!collection.GetCycle())
        for (const std::string& entry : withdrawn) collection.WithdrawFromDraw(entry);
    return collection;
}

void CSessionCollections::WithdrawFromDraw(const std::string& name)
{
    withdrawn.push_back(name);
    // In list order an entry keeps its place, which the position passes
    // over: taking it out there would hand its turn to the last entry.
    for (const auto& collection : loaded)
        if (!collection->GetCycle()) collection->WithdrawFromDraw(name);
}
