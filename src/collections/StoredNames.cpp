#include "collections/StoredNames.h"

#include "base/TextPieces.h"

namespace {
bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool HasOuterBlanks(const std::string& name)
{
    return !name.empty() && (IsBlank(name.front()) || IsBlank(name.back()));
}

bool HasLineBreak(const std::string& name)
{
    return name.find_first_of("\r\n") != std::string::npos;
}
}  // namespace

bool IsStorableKey(const std::string& name)
{
    return !name.empty() && !HasOuterBlanks(name) && !HasLineBreak(name) && name.find('=') == std::string::npos &&
           name.front() != ';' && name.front() != '[';
}

bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos && name.find("..") == std::string::npos;
}

bool IsOfferedSaverName(const std::string& name)
{
    return IsStorableKey(name) && IsPlainFileName(name) && name.size() <= maxSaverNameLength &&
           name.find_first_of("?*") == std::string::npos && !IsReservedName(name);
}

CollectionNameProblem CheckCollectionName(const std::string& name)
{
    if (name.empty()) return CollectionNameProblem::Empty;
    if (name.size() > maxCollectionNameLength) return CollectionNameProblem::TooLong;
    if (HasOuterBlanks(name)) return CollectionNameProblem::Blanks;
    if (HasLineBreak(name) || name.find(']') != std::string::npos) return CollectionNameProblem::Characters;
    if (IsInternalSection(name)) return CollectionNameProblem::Reserved;
    return CollectionNameProblem::None;
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && LowerCase(a) == LowerCase(b);
}

bool IsReservedName(const std::string& name)
{
    // File names ignore the letter case: "TOMBOLIX2.SCR" is the program too.
    const std::string word = "Tombolix";
    return name.size() >= word.size() && SameName(name.substr(0, word.size()), word);
}

bool IsInternalSection(const std::string& name)
{
    // Kept as older versions named it: the file of every version holds it.
    return SameName(name, "TombolixInternal");
}
