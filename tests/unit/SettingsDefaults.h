// What a user who never changed anything reads.
#pragma once
#include "collections/Settings.h"

#include <gtest/gtest.h>

inline void ExpectDefaultSettings(const CSettings& settings, ISettingsStore& store)
{
    EXPECT_TRUE(settings.GetUseTray());
    EXPECT_TRUE(settings.GetAutoStart());
    EXPECT_TRUE(settings.GetShowToolTips());
    EXPECT_FALSE(settings.GetUseBlanker());
    EXPECT_FALSE(settings.GetPasswordOverride());
    EXPECT_EQ(120, settings.GetBlankerMinutes());
    EXPECT_EQ("Blank Screen", settings.GetBlankerName());
    EXPECT_EQ("", settings.GetInstallFolder());
    EXPECT_TRUE(settings.GetFolders().empty());
    EXPECT_EQ("Default", ReadCurrentName(store));
}
