#include "framework/WinApp.h"

#include "framework/Wnd.h"

#include <cstring>
#include <vector>

namespace {
CWinApp* theApp = nullptr;
constexpr UINT appTitleStringId = 0xE000;   // the framework's application title
}

CWinApp::CWinApp()
{
    theApp = this;
    m_hInstance = GetModuleHandleA(nullptr);
}

CWinApp::~CWinApp()
{
    if (theApp == this) theApp = nullptr;
}

CWinApp* AfxGetApp() { return theApp; }

std::string g_appTitle;

HINSTANCE AfxGetInstanceHandle()
{
    return theApp ? theApp->m_hInstance : GetModuleHandleA(nullptr);
}

std::string AfxLoadString(UINT id)
{
    char text[1024];
    int length = LoadStringA(AfxGetInstanceHandle(), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

int CWinApp::Run()
{
    if (!m_pMainWnd) return ExitInstance();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    exitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

void CWinApp::SetRegistryKey(const char* key) { m_registryKey = key; }

std::string CWinApp::GetAppRegistryPath() const
{
    return "Software\\" + m_registryKey + "\\" + m_appName;
}

namespace {

// Opens (or creates) HKCU\Software\<key>\<app>\<section>.
HKEY OpenSectionKey(const std::string& appPath, const char* section, bool create)
{
    std::string path = appPath + "\\" + section;
    HKEY key = nullptr;
    LONG result = create
        ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)
        : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return result == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    HKEY key = OpenSectionKey(GetAppRegistryPath(), section, false);
    if (!key) return defaultValue;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG result = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return defaultValue;
    return static_cast<int>(value);
}

std::string CWinApp::GetProfileUtf8String(const char* section, const char* entry) const
{
    HKEY key = OpenSectionKey(GetAppRegistryPath(), section, false);
    if (!key) return std::string();
    std::vector<wchar_t> name(strlen(entry) + 1);
    MultiByteToWideChar(CP_ACP, 0, entry, -1, name.data(), static_cast<int>(name.size()));
    DWORD type = 0, size = 0;
    LONG result = RegQueryValueExW(key, name.data(), nullptr, &type, nullptr, &size);
    std::vector<wchar_t> value(size / sizeof(wchar_t) + 1, L'\0');
    if (result == ERROR_SUCCESS && type == REG_SZ)
        result = RegQueryValueExW(key, name.data(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::string();
    value.back() = L'\0';
    int bytes = WideCharToMultiByte(CP_UTF8, 0, value.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? bytes : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, value.data(), -1, &text[0], bytes, nullptr, nullptr);
    text.resize(strlen(text.c_str()));
    return text;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry,
                                      const char* defaultValue) const
{
    std::string fallback = defaultValue ? defaultValue : "";
    HKEY key = OpenSectionKey(GetAppRegistryPath(), section, false);
    if (!key) return fallback;
    DWORD type = 0, size = 0;
    LONG result = RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
    std::string value;
    if (result == ERROR_SUCCESS && type == REG_SZ) {
        value.resize(size + 1);
        result = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size);
        value.resize(result == ERROR_SUCCESS ? strnlen(value.c_str(), size) : 0);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return fallback;
    return value;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    HKEY key = OpenSectionKey(GetAppRegistryPath(), section, true);
    if (!key) return false;
    DWORD data = static_cast<DWORD>(value);
    LONG result = RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const
{
    HKEY key = OpenSectionKey(GetAppRegistryPath(), section, true);
    if (!key) return false;
    LONG result = RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                 static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    if (app->m_appName.empty()) app->m_appName = AfxLoadString(appTitleStringId);
    if (!app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
