// The user's own copy of the collections file that Windows kept in the
// VirtualStore for the 32-bit program, which could not write the Windows
// folder. The 64-bit program reads the real file only.
#pragma once
#include <string>

class CPrivateProfileFile;
class ISettingsStore;

// Takes the copy over once, before anything reads the stored settings: only
// into a shared file that is missing or holds no section at all, and
// without overwriting anything in it. Nothing in a 32-bit build.
void AdoptVirtualStoreCopy(CPrivateProfileFile& shared, ISettingsStore& store);
// The copy goes with the rest of the stored settings, and the start after
// takes nothing over again.
void ForgetVirtualStoreCopy(ISettingsStore& store);
