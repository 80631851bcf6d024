// An in-memory settings store that records what the program read and wrote.
#pragma once
#include "os/SettingsStore.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

class FakeSettingsStore : public ISettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int ReadInt(const std::string& section, const std::string& entry, int defaultValue) override
    {
        reads.push_back(entry);
        auto found = values.find(section + "\\" + entry);
        if (found == values.end() || !std::holds_alternative<int>(found->second)) return defaultValue;
        return std::get<int>(found->second);
    }
    std::string ReadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue) override
    {
        reads.push_back(entry);
        auto found = values.find(section + "\\" + entry);
        if (found == values.end() || !std::holds_alternative<std::string>(found->second)) return defaultValue;
        return std::get<std::string>(found->second);
    }
    bool WriteInt(const std::string& section, const std::string& entry, int value) override
    {
        if (Refuses(entry)) return false;
        writes.push_back(entry + "=" + std::to_string(value));
        values[section + "\\" + entry] = value;
        return true;
    }
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) override
    {
        if (Refuses(entry)) return false;
        writes.push_back(entry + "=" + value);
        values[section + "\\" + entry] = value;
        return true;
    }
    bool RemoveAll() override
    {
        if (failWrites) return false;
        values.clear();
        ++removals;
        return true;
    }

    std::map<std::string, Value> values;   // "Section\Entry"
    std::vector<std::string> reads;        // entry names in order
    std::vector<std::string> writes;       // "Entry=value" in order
    int removals = 0;
    bool failWrites = false;               // every write refused, as a locked-down registry does
    std::string refusedEntry;              // this one value refused, as a policy may lock one

private:
    bool Refuses(const std::string& entry) const { return failWrites || entry == refusedEntry; }
};
