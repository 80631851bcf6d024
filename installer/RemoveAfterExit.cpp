// RemoveAfterExit <process id> <file>: the uninstaller's last step. Started
// from a copy in the temporary folder that Windows deletes when this process
// ends, it waits for the uninstaller to end, then deletes the uninstaller's
// file and, when nothing else is left in it, its folder. A running program
// cannot delete its own file.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 3) return 1;
    DWORD processId = wcstoul(arguments[1], nullptr, 10);
    const wchar_t* file = arguments[2];

    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId)) {
        WaitForSingleObject(process, 60000);
        CloseHandle(process);
    }
    // Another uninstaller started from the same file may hold it a while.
    for (int attempt = 0; attempt < 120; ++attempt) {
        if (DeleteFileW(file) || GetFileAttributesW(file) == INVALID_FILE_ATTRIBUTES) {
            // A deleted file stays in its folder while a handle to it is
            // still open, as the ended uninstaller's image may be a moment.
            for (int wait = 0; wait < 100 && GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES; ++wait) Sleep(100);
            wchar_t folder[MAX_PATH * 4];
            lstrcpynW(folder, file, sizeof folder / sizeof *folder);
            if (wchar_t* lastSeparator = wcsrchr(folder, L'\\')) *lastSeparator = L'\0';
            RemoveDirectoryW(folder);
            return 0;
        }
        Sleep(500);
    }
    return 1;
}
