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
    return Journaled([&] { return WriteThroughProfileFunctions(section, key, value); });
}

bool CPrivateProfileFile::WriteThroughProfileFunctions(const char* section, const char* key, const char* value)
{
    const std::string path = GetPath();
    WIN32_FILE_ATTRIBUTE_DATA before{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before);
    if (!WritePrivateProfileStringA(section, key, value, fileName.c_str())) return false;
    COwnedHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
    if (file) MoveTimeOnIfNotLater(file.get(), before.ftLastWriteTime);
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

template <typename Save>
bool CPrivateProfileFile::Journaled(Save save)
{
    RestoreCutOffSave();
    const bool recorded = journal && journal->Record();
    const bool saved = save();
    if (recorded && saved) journal->Discard();
    // A save that failed halfway leaves the file as it was.
    if (recorded && !saved) RestoreCutOffSave();
    return saved;
}

// The file read, edited and written back whole, under the lock: one write
// however many keys change. A file that the profile functions of Windows
// and Wine may read otherwise is left to the platform's own functions.
bool CPrivateProfileFile::WriteKeys(const std::string& section, const std::vector<KeyChange>& changes)
{
    if (changes.empty()) return true;
    CFileLockGuard held(lock);
    if (held.Refused() || IsReadOnly()) return false;
    return Journaled([&] {
        bool declined = false;
        bool written = RewriteWhole(
            [&](const std::string& text) { return EditSection(text, section, changes, FoldLetterCase); }, declined);
        return declined ? WriteKeysThroughProfileFunctions(section, changes) : written;
    });
}

template <typename Edit>
bool CPrivateProfileFile::RewriteWhole(Edit edit, bool& declined)
{
    ReleaseProfileCache(fileName);
    COwnedHandle file = OpenSharedFile(GetPath(), OPEN_ALWAYS);
    if (!file) return false;
    std::string text;
    std::optional<std::string> edited;
    bool read = ReadFileWhole(file.get(), text);
    if (read) edited = edit(text);
    declined = read && !edited;
    bool written = edited && WriteFileWhole(file.get(), *edited);
    // Closed before the profile functions read the file again.
    file.Close();
    ReleaseProfileCache(fileName);
    return written;
}

// A few keys one by one; many in one write of the whole section, which the
// profile functions make without the section's remarks.
bool CPrivateProfileFile::WriteKeysThroughProfileFunctions(const std::string& section,
                                                          const std::vector<KeyChange>& changes)
{
    constexpr size_t keyByKeyLimit = 32;
    if (changes.size() <= keyByKeyLimit) {
        bool written = true;
        for (const KeyChange& change : changes)
            written = WriteThroughProfileFunctions(section.c_str(), change.key.c_str(),
                                                   change.value ? change.value->c_str() : nullptr) &&
                      written;
        return written;
    }
    std::string list = ReadGrowing(2, [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section.c_str(), buffer, size, fileName.c_str());
    });
    std::string lines;
    for (const std::string& line : EditSectionLines(SplitList(list), changes, FoldLetterCase)) lines += line + '\0';
    lines += '\0';
    return WritePrivateProfileSectionA(section.c_str(), lines.c_str(), fileName.c_str()) != FALSE;
}

bool CPrivateProfileFile::Append(const std::string& addition)
{
    CFileLockGuard held(lock);
    if (held.Refused() || IsReadOnly()) return false;
    return Journaled([&] {
        bool declined = false;
        return RewriteWhole(
            [&](std::string text) -> std::optional<std::string> {
                if (!text.empty() && text.back() != '\n') text += "\r\n";
                return text + addition;
            },
            declined);
    });
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
    if (journal) journal->Discard();
    std::string path = GetPath();
    return DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
