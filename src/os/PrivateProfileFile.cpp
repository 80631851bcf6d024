#include "os/PrivateProfileFile.h"

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

bool ReadFileWhole(HANDLE file, std::string& text)
{
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    if ((size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0) return false;
    text.assign(size, '\0');
    DWORD read = 0;
    return size == 0 || (ReadFile(file, &text[0], size, &read, nullptr) && read == size);
}

// Every cached copy of the file, in any process, is read again only when
// the file's time changes: a write that left it where it was (within the
// clock's tick), or earlier, moves it on past the time before.
void MoveTimeOnIfNotLater(HANDLE file, const FILETIME& before)
{
    FILETIME after{};
    if (!GetFileTime(file, nullptr, nullptr, &after) || CompareFileTime(&before, &after) < 0) return;
    ULARGE_INTEGER moved{{before.dwLowDateTime, before.dwHighDateTime}};
    moved.QuadPart += 1;
    after = {moved.LowPart, moved.HighPart};
    SetFileTime(file, nullptr, nullptr, &after);
}

// The file takes its new size before any byte changes: a full disk then
// refuses the write with the file as it was, not cut off halfway.
bool WriteFileWhole(HANDLE file, const std::string& text, size_t oldSize)
{
    FILETIME before{};
    GetFileTime(file, nullptr, nullptr, &before);
    const LONG newSize = static_cast<LONG>(text.size());
    if (text.size() > oldSize &&
        (SetFilePointer(file, newSize, nullptr, FILE_BEGIN) != static_cast<DWORD>(newSize) || !SetEndOfFile(file)))
        return false;
    DWORD written = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) return false;
    if (!text.empty() && (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
                          written != text.size()))
        return false;
    if (!SetEndOfFile(file) || !FlushFileBuffers(file)) return false;
    MoveTimeOnIfNotLater(file, before);
    return true;
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

// The profile functions write the file whole from their copy of it; like
// every write of the file, theirs moves its time on.
bool CPrivateProfileFile::Write(const char* section, const char* key, const char* value)
{
    CFileLockGuard held(lock);
    if (held.Refused() || IsReadOnly()) return false;
    const std::string path = GetPath();
    WIN32_FILE_ATTRIBUTE_DATA before{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before);
    if (!WritePrivateProfileStringA(section, key, value, fileName.c_str())) return false;
    HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        MoveTimeOnIfNotLater(file, before.ftLastWriteTime);
        CloseHandle(file);
    }
    return true;
}

// The file read, edited and written back whole, under the lock: one write
// however many keys change. A file the edit cannot read as single-byte text
// (UTF-16) is left to the profile functions, key by key.
bool CPrivateProfileFile::WriteKeys(const std::string& section, const std::vector<KeyChange>& changes)
{
    if (changes.empty()) return true;
    CFileLockGuard held(lock);
    if (held.Refused() || IsReadOnly()) return false;
    // Whatever the profile functions of this process hold of the file is
    // written out and let go: their next call reads the edited file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
    HANDLE file = CreateFileA(GetPath().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string text;
    bool read = ReadFileWhole(file, text);
    std::optional<std::string> edited = read ? EditSection(text, section, changes, FoldLetterCase) : std::nullopt;
    bool written = edited && WriteFileWhole(file, *edited, text.size());
    CloseHandle(file);
    if (read && !edited) return IProfileFile::WriteKeys(section, changes);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
    return written;
}

bool CPrivateProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return Write(section.c_str(), key.c_str(), value.c_str());
}

bool CPrivateProfileFile::DeleteKey(const std::string& section, const std::string& key)
{
    return Write(section.c_str(), key.c_str(), nullptr);
}

bool CPrivateProfileFile::DeleteSection(const std::string& section)
{
    return Write(section.c_str(), nullptr, nullptr);
}

std::string CPrivateProfileFile::GetPath() const
{
    return GetWindowsFolder() + "\\" + fileName;
}

bool CPrivateProfileFile::Remove()
{
    CFileLockGuard held(lock);
    if (held.Refused()) return false;
    // The profile functions may hold the file in a cache: write it out
    // first, so that nothing of it comes back after the deletion.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
    std::string path = GetPath();
    return DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
