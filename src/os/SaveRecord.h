// What a record of one save of a file holds, and when it may put the file
// back. A save writes the file in place: it first gives the file its new
// size, then writes the new bytes. Cut off, it leaves the file either as it
// was, or at its new size without being what the save wrote; only then is
// there anything to put back. A file that is anything else was written
// since (by hand, by another user, by a later save) and is not the record's
// to undo.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

struct SaveRecord {
    // Tells this record from every other one (see CSaveJournal::Discard).
    std::string id;
    // The file's bytes before the save; none when there was no file.
    std::optional<std::string> before;
    // What the save writes.
    uint64_t afterSize = 0;
    uint64_t afterHash = 0;
};

// A 64-bit hash of the bytes (FNV-1a): only compared.
uint64_t HashBytes(const std::string& bytes);

SaveRecord MakeSaveRecord(std::string id, std::optional<std::string> before, const std::string& after);
std::string FormatSaveRecord(const SaveRecord& record);
// None for bytes that are no whole record of this form.
std::optional<SaveRecord> ParseSaveRecord(const std::string& bytes);

// Whether the record puts the file back, given the file as it is now
// (none: no file).
bool MustPutBack(const SaveRecord& record, const std::optional<std::string>& now);
