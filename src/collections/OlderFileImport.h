// The one-time import of the previous major version's collections.
#pragma once
#include "os/FileSystem.h"
#include "os/ProfileFile.h"

// Copies every collection of the older file into the collections file, with
// the screen savers' names in the letter case found on disk.
void ImportOlderFile(IProfileFile& olderFile, IProfileFile& collectionsFile, IFileSystem& fileSystem);
