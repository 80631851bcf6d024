// The application object: start-up, the message loop and the per-user
// profile in the registry.
#pragma once
#include <windows.h>
#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // false ends the process without entering the message loop.
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return exitCode; }
    // Runs the message loop until WM_QUIT; a process without a main window
    // has nothing to wait for and ends at once.
    virtual int Run();

    // Profile values live under HKCU\Software\<key>\<application name>.
    void SetRegistryKey(const char* key);
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry,
                                 const char* defaultValue) const;
    // A string value in any script, as UTF-8 ("" when missing).
    std::string GetProfileUtf8String(const char* section, const char* entry) const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;
    bool WriteProfileString(const char* section, const char* entry, const char* value) const;
    // The profile root: HKCU\Software\<key>\<application name>.
    std::string GetAppRegistryPath() const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_appName;       // string 57344 of the resources
    std::string m_registryKey;

protected:
    int exitCode = 0;
};

CWinApp* AfxGetApp();

// The application's title, string 57344 of the resources ("Tombolix2"): the
// window title by which instances of the program find each other.
extern std::string g_appTitle;
HINSTANCE AfxGetInstanceHandle();
std::string AfxLoadString(UINT id);

// The body of WinMain: InitInstance, the loop, ExitInstance.
int AfxWinMain(HINSTANCE instance);
