#include "os/WholeFile.h"

bool ReadFileWhole(HANDLE file, std::string& text)
{
    DWORD high = 0;
    DWORD size = GetFileSize(file, &high);
    if ((size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) || high != 0) return false;
    text.assign(size, '\0');
    DWORD read = 0;
    return size == 0 || (ReadFile(file, &text[0], size, &read, nullptr) && read == size);
}

bool ReadPathWhole(const std::string& path, std::string& text)
{
    COwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    return file && ReadFileWhole(file.get(), text);
}

bool WritePathWhole(const std::string& path, const std::string& text)
{
    COwnedHandle file = OpenSharedFile(path, OPEN_ALWAYS);
    return file && WriteFileWhole(file.get(), text);
}

void MoveTimeOnIfNotLater(HANDLE file, const FILETIME& before)
{
    FILETIME after{};
    if (!GetFileTime(file, nullptr, nullptr, &after) || CompareFileTime(&before, &after) < 0) return;
    ULARGE_INTEGER moved{{before.dwLowDateTime, before.dwHighDateTime}};
    moved.QuadPart += 1;
    after = {moved.LowPart, moved.HighPart};
    SetFileTime(file, nullptr, nullptr, &after);
}

bool WriteFileWhole(HANDLE file, const std::string& text)
{
    FILETIME before{};
    GetFileTime(file, nullptr, nullptr, &before);
    const LONG newSize = static_cast<LONG>(text.size());
    if (SetFilePointer(file, newSize, nullptr, FILE_BEGIN) != static_cast<DWORD>(newSize) || !SetEndOfFile(file))
        return false;
    DWORD written = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) return false;
    if (!text.empty() && (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
                          written != text.size()))
        return false;
    if (!FlushFileBuffers(file)) return false;
    MoveTimeOnIfNotLater(file, before);
    return true;
}

COwnedHandle OpenSharedFile(const std::string& path, DWORD creation)
{
    return COwnedHandle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr));
}
