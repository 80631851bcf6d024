#include "os/PrivateProfileFile.h"

#include "os/OwnedHandle.h"
#include "os/WholeFile.h"
#include "os/Win32FileSystem.h"

#include <windows.h>

#include <unordered_map>

namespace {
constexpr DWORD firstBufferSize = 16384;

// Reads with ever larger buffers until the result fits: the profile
// functions cut a value at size - 1 and a list at size - 2 characters and
// say nothing.
template <typename Read>
std::string ReadGrowing(DWORD reserve, Read read)
{
    for (DWORD size = firstBufferSize;; size *= 2) {
        std::string buffer(size, '\0');
        DWORD length = read(&buffer[0], size);
        if (length + reserve < size || size > 0x40000000) {
            buffer.resize(length);
            return buffer;
        }
    }
}

std::string ReadWhole(const char* section, const char* key, const char* defaultValue, const char* fileName)
{
    return ReadGrowing(key ? 1 : 2, [&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName);
    });
}

// The pieces of a list that zero bytes separate and an empty piece ends.
std::vector<std::string> SplitList(const std::string& list)
{
    std::vector<std::string> pieces;
    for (size_t at = 0; at < list.size();) {
        size_t end = list.find('\0', at);
        if (end == std::string::npos) end = list.size();
        if (end == at) break;
        pieces.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return pieces;
}

// A value as GetPrivateProfileString gives it: one pair of enclosing
// quotation marks, single or double, dropped.
std::string Unquoted(std::string value)
{
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value;
}

// Whatever the profile functions of this process hold of the file is
// written out and let go: their next call reads the file as it is.
void ReleaseProfileCache(const std::string& fileName)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
}

// The profile functions' edit of one section in the file of that path: a
// few keys one by one; many in one write of the whole section, which they
// make without the section's remarks; a removed section with every copy.
bool EditSectionThroughProfileFunctions(const std::string& path, const SectionChange& change)
{
    const char* file = path.c_str();
    const char* section = change.section.c_str();
    if (change.removed) {
        bool removed = true;
        for (size_t copies = 0; copies < 1000 && removed; ++copies) {
            std::string list = ReadWhole(nullptr, nullptr, "", file);
            bool listed = false;
            for (const std::string& name : SplitList(list)) listed = listed || FoldLetterCase(name) == FoldLetterCase(change.section);
            if (!listed) return true;
            removed = WritePrivateProfileStringA(section, nullptr, nullptr, file) != FALSE;
        }
        return false;
    }
    constexpr size_t keyByKeyLimit = 32;
    if (change.keys.size() <= keyByKeyLimit) {
        bool written = true;
        for (const KeyChange& key : change.keys)
            written = WritePrivateProfileStringA(section, key.key.c_str(), key.value ? key.value->c_str() : nullptr,
                                                 file) &&
                      written;
        return written;
    }
    std::string list = ReadGrowing(2, [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section, buffer, size, file);
    });
    std::string lines;
    for (const std::string& line : EditSectionLines(SplitList(list), change.keys, FoldLetterCase)) lines += line + '\0';
    lines += '\0';
    return WritePrivateProfileSectionA(section, lines.c_str(), file) != FALSE;
}
}  // namespace

std::string CPrivateProfileFile::ReadString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue)
{
    CFileLockGuard held(lock);
    return ReadWhole(section.c_str(), key.c_str(), defaultValue.c_str(), fileName.c_str());
}

int CPrivateProfileFile::ReadInt(const std::string& section, const std::string& key, int defaultValue)
{
    CFileLockGuard held(lock);
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, fileName.c_str()));
}

std::vector<std::string> CPrivateProfileFile::ReadNameList(const char* section)
{
    CFileLockGuard held(lock);
    return SplitList(ReadWhole(section, nullptr, "", fileName.c_str()));
}

std::vector<std::string> CPrivateProfileFile::ReadSectionNames()
{
    return ReadNameList(nullptr);
}

std::vector<std::string> CPrivateProfileFile::ReadKeyNames(const std::string& section)
{
    return ReadNameList(section.c_str());
}

// The lines of one call, as the key names the profile functions list
// (lines "key=value", no comments) and the value ReadString gives for each:
// that of the key's first line, "" where that line is the key alone.
KeyValues CPrivateProfileFile::ReadSection(const std::string& section)
{
    CFileLockGuard held(lock);
    std::string list = ReadGrowing(2, [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section.c_str(), buffer, size, fileName.c_str());
    });
    KeyValues keys;
    std::unordered_map<std::string, std::string> firstValue;
    for (const std::string& line : SplitList(list)) {
        size_t equals = line.find('=');
        std::string key = TrimBlanks(line, 0, equals);
        if (key.empty() || key[0] == ';') continue;
        std::string value = equals == std::string::npos ? "" : Unquoted(TrimBlanks(line, equals + 1));
        const std::string& first = firstValue.emplace(FoldLetterCase(key), std::move(value)).first->second;
        if (equals != std::string::npos) keys.emplace_back(std::move(key), first);
    }
    return keys;
}

bool CPrivateProfileFile::IsReadOnly() const
{
    DWORD attributes = GetFileAttributesA(GetPath().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

bool CPrivateProfileFile::RestoreCutOffSave()
{
    if (!journal) return false;
    CFileLockGuard held(lock);
    if (held.Refused() || !journal->RestoreIfCutOff()) return false;
    ReleaseProfileCache(fileName);
    return true;
}

// The file read whole, edited in memory and written back in place through
// one handle, under the lock: one write however many changes. With a
// journal the save is recorded first, and not made when it cannot be.
bool CPrivateProfileFile::WriteChanges(const FileChanges& changes)
{
    if (changes.empty()) return true;
    CFileLockGuard held(lock);
    if (held.Refused() || IsReadOnly()) return false;
    RestoreCutOffSave();
    ReleaseProfileCache(fileName);
    const std::string path = GetPath();
    COwnedHandle file = OpenSharedFile(path, OPEN_EXISTING);
    const bool existed = static_cast<bool>(file);
    if (!existed && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    std::string text;
    if (existed && !ReadFileWhole(file.get(), text)) return false;
    std::optional<std::string> edited = EditText(text, changes, FoldLetterCase);
    // A text that the platforms may read otherwise is edited by the
    // platform's own functions, on a copy.
    if (!edited) edited = EditThroughProfileFunctions(text, changes);
    if (!edited) return false;
    if (*edited == text) return true;
    if (journal && !journal->Record(existed ? std::optional<std::string>(text) : std::nullopt, *edited)) return false;
    if (!existed) file = OpenSharedFile(path, OPEN_ALWAYS);
    const bool written = file && WriteFileWhole(file.get(), *edited);
    // Closed before the profile functions read the file again.
    file.Close();
    ReleaseProfileCache(fileName);
    if (journal && written) journal->Discard();
    // A save that failed halfway leaves the file as it was.
    if (journal && !written) RestoreCutOffSave();
    return written;
}

// A copy of the text in the temporary folder takes the changes from the
// profile functions; the file itself is then written once, like any other.
std::optional<std::string> CPrivateProfileFile::EditThroughProfileFunctions(const std::string& text,
                                                                          const FileChanges& changes)
{
    char folder[MAX_PATH] = "", copy[MAX_PATH] = "";
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder || !GetTempFileNameA(folder, "tbx", 0, copy)) return std::nullopt;
    bool edited = WritePathWhole(copy, text);
    for (const SectionChange& change : changes) edited = edited && EditSectionThroughProfileFunctions(copy, change);
    ReleaseProfileCache(copy);
    std::string result;
    edited = edited && ReadPathWhole(copy, result);
    DeleteFileA(copy);
    if (!edited) return std::nullopt;
    return result;
}

std::string CPrivateProfileFile::GetPath() const
{
    if (fileName.find('\\') != std::string::npos) return fileName;
    return GetWindowsFolder() + "\\" + fileName;
}

// The volume's and the file's numbers, as bytes: only compared.
std::string CPrivateProfileFile::ReadIdentity()
{
    COwnedHandle file(CreateFileA(GetPath().c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "";
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info)) return "?";
    const DWORD numbers[] = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return std::string(reinterpret_cast<const char*>(numbers), sizeof numbers);
}

bool CPrivateProfileFile::Remove()
{
    CFileLockGuard held(lock);
    if (held.Refused()) return false;
    // The profile functions may hold the file in a cache: write it out
    // first, so that nothing of it comes back after the deletion.
    ReleaseProfileCache(fileName);
    // Nor from a save that was cut off.
    if (journal) journal->Forget();
    std::string path = GetPath();
    return DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
