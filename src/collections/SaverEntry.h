// One screen saver within one collection.
#pragma once
#include <cstdint>
#include <string>

class CSaverEntry {
public:
    explicit CSaverEntry(std::string name) : name(std::move(name)) {}
    virtual ~CSaverEntry() = default;

    const std::string& GetName() const { return name; }
    int32_t GetLevel() const { return level; }
    void SetLevel(int32_t value) { level = value; }
    int32_t GetDuration() const { return duration; }
    void SetDuration(int32_t minutes) { duration = minutes; }
    int32_t GetOrder() const { return order; }
    void SetOrder(int32_t value) { order = value; }
    bool IsSelected() const { return selected; }
    void SetSelected(bool value) { selected = value; }
    bool IsAvailable() const { return available; }
    void SetAvailable(bool value) { available = value; }
    // Not found, but on a folder that could not be searched: stays as it is.
    bool IsKept() const { return kept; }
    void SetKept(bool value) { kept = value; }

    // Where the load found the key among the section's keys (-1: not in
    // the file), and the value it read there.
    int32_t GetFilePosition() const { return filePosition; }
    const std::string& GetStoredValue() const { return storedValue; }
    void SetStored(int32_t position, const std::string& value)
    {
        filePosition = position;
        storedValue = value;
    }
    // The file now holds this value for the entry.
    void SetStoredValue(const std::string& value) { storedValue = value; }

    // (5 - level)^2 for whatever level the file held: 0 to 4 give 25 to 1.
    // Wide enough that no stored level overflows it.
    int64_t Weight() const
    {
        int64_t distance = 5 - static_cast<int64_t>(level);
        return distance * distance;
    }

    // The value of the entry's key in the collections file: "level\duration\selected\order\".
    std::string EncodeEntry() const;
    // Takes the four numbers only from a value of at least four pieces.
    void DecodeEntry(const std::string& value);
    // A value of that form: any other line of a collection is not the
    // program's, and stays as it is.
    static bool IsEntryValue(const std::string& value);
    // The value of a new entry of the name, before anyone changes it.
    std::string EncodeDefault() const { return CSaverEntry(name).EncodeEntry(); }

private:
    std::string name;
    int32_t level = 2;
    int32_t duration = 15;
    int32_t order = 0;
    bool selected = false;
    bool available = false;
    bool kept = false;
    int32_t filePosition = -1;
    std::string storedValue;
};
