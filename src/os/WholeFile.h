// A file's bytes read and written whole through an open handle.
#pragma once
#include "os/OwnedHandle.h"

#include <windows.h>

#include <string>

bool ReadFileWhole(HANDLE file, std::string& text);
bool ReadPathWhole(const std::string& path, std::string& text);
// The file of that path, made if missing, holds the text: written in place,
// so it stays the same file.
bool WritePathWhole(const std::string& path, const std::string& text);
// The file takes its new size before any byte changes, so that a full disk
// refuses the write with the file as it was, and a write cut off leaves
// the file as it was or at its new size; its time moves on, so that
// every cached copy of it, in any process, is read again.
bool WriteFileWhole(HANDLE file, const std::string& text);
// The time moved on past before, if a write left it there (within the
// clock's tick) or earlier.
void MoveTimeOnIfNotLater(HANDLE file, const FILETIME& before);

// The file of that path, opened for reading and writing by every process at once.
COwnedHandle OpenSharedFile(const std::string& path, DWORD creation);
