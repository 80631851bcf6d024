// A job whose processes end when its last handle closes: when this process
// ends, even by force, the screen savers it hosts in its windows end with
// it. Without it a hosted screen saver whose host was ended outlives it,
// its window with it.
#pragma once
#include "os/OwnedHandle.h"

#include <windows.h>

class CKillOnCloseJob {
public:
    CKillOnCloseJob() : job(CreateJobObjectA(nullptr, nullptr))
    {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (job && !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
            job.Close();
    }
    // Null when the system gave no job: the processes then run without one.
    HANDLE Get() const { return job.get(); }

private:
    COwnedHandle job;
};
