// The one-time import of the previous major version's collections.
#pragma once
#include "os/FileSystem.h"
#include "os/ProfileFile.h"

// Copies every collection of the older file into the collections file, with
// the screen savers' names in the letter case found on disk, in one save;
// false when it did not reach the file.
bool ImportOlderFile(IProfileFile& olderFile, IProfileFile& collectionsFile, IFileSystem& fileSystem);
