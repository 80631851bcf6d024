// A session over one collection of the fake profile file, with scripted
// screen savers.
#pragma once
#include "session/Session.h"

#include "base/Random.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSessionHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using Texts = std::vector<std::string>;

inline const ChildScript closesAtOnce{{}, 0, {}, true};

struct SessionTest : ::testing::Test {
    FakeProfileFile file;
    FakeSessionHost host;
    CRandom random{1};
    SessionRules rules;

    // A cycling collection of the given "name=duration" entries, in order.
    std::unique_ptr<CSession> Start(const std::vector<std::pair<std::string, int>>& entries)
    {
        std::string text;
        for (size_t i = 0; i < entries.size(); ++i)
            text += entries[i].first + "=2\\" + std::to_string(entries[i].second) + "\\1\\" + std::to_string(i) + "\\\r\n";
        return StartWith(text + "TombolixCycle=1\r\n");
    }
    // A session over the Default section of these lines.
    std::unique_ptr<CSession> StartWith(const std::string& section)
    {
        file.SetText("[Default]\r\n" + section);
        auto collection = std::make_unique<CCollection>("Default", file);
        collection->Load(false);
        return std::make_unique<CSession>(host, random, rules, std::move(collection));
    }
};
