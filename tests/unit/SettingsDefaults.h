// What a user who never changed anything reads.
#pragma once
#include "collections/Settings.h"

#include <gtest/gtest.h>

inline void ExpectDefaultSettings(const CSettings& settings, ISettingsStore& store)
{
    EXPECT_TRUE(settings.Values().useTray);
    EXPECT_TRUE(settings.Values().autoStart);
    EXPECT_TRUE(settings.Values().showToolTips);
    EXPECT_FALSE(settings.Values().useBlanker);
    EXPECT_FALSE(settings.Values().passwordOverride);
    EXPECT_TRUE(settings.Values().saverPerMonitor);
    // Off: nothing changes for a user who never asks.
    EXPECT_FALSE(settings.Values().followSchedule);
    EXPECT_FALSE(settings.Values().noImmediateRepeat);
    EXPECT_EQ(120, settings.Values().blankerMinutes);
    EXPECT_EQ("Blank Screen", settings.Values().blankerName);
    EXPECT_EQ("", settings.GetInstallFolder());
    EXPECT_TRUE(settings.Values().folders.empty());
    EXPECT_EQ("Default", ReadCurrentName(store));
}
