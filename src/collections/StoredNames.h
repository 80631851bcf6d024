// Which names the collections file holds as they are. The profile functions
// trim blanks around names, split a key at its first '=', take a line that
// begins with ';' for a comment and one that begins with '[' for a section,
// and end a section name at ']': a name like that would come back as
// another one, or as nothing.
#pragma once
#include <string>

// The longest collection name the program stores.
constexpr size_t maxCollectionNameLength = 260;
// The longest screen-saver name: a file name has at most 255 characters,
// ".scr" included.
constexpr size_t maxSaverNameLength = 251;

bool IsStorableKey(const std::string& name);

// A file name, not a path: nothing that names it can reach outside the
// folder it is looked for in.
bool IsPlainFileName(const std::string& name);

// A screen-saver name that a collection can hold and the program may start:
// a storable key that is a plain file name (no folder, no way out of the
// searched folders), spelt in the code page ('?' stands for a letter the
// code page lacks), not longer than a file name can be, and not one of the
// program's own names.
bool IsOfferedSaverName(const std::string& name);

// Why a new collection cannot have this name.
enum class CollectionNameProblem { None, Empty, TooLong, Blanks, Characters, Reserved };
CollectionNameProblem CheckCollectionName(const std::string& name);

// Names whose first 8 characters are "Tombolix", in any letter case, belong
// to the program: keys of its own and its own screen-saver files.
bool IsReservedName(const std::string& name);

// The section of the extra folders, whatever the letter case: the profile
// functions would take a collection of that name for it.
bool IsInternalSection(const std::string& name);

// Equal but for the letter case of A to Z, as the profile functions compare
// section and key names.
bool SameName(const std::string& a, const std::string& b);
