#include "framework/WinApp.h"

#include "framework/Wnd.h"
#include "os/RegistryKey.h"
#include "os/RegistryValue.h"

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
CRegistryKey OpenSectionKey(const std::string& appPath, const char* section, bool create)
{
    const std::string path = appPath + "\\" + section;
    CRegistryKey key;
    if (create) key.CreateForWriting(HKEY_CURRENT_USER, path.c_str());
    else key.OpenForReading(HKEY_CURRENT_USER, path.c_str());
    return key;
}

RegistryValue ReadSectionValue(const std::string& appPath, const char* section, const char* entry)
{
    CRegistryKey key = OpenSectionKey(appPath, section, false);
    return key ? ReadRegistryValue(key.get(), entry) : RegistryValue{};
}

}  // namespace

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    const RegistryValue value = ReadSectionValue(GetAppRegistryPath(), section, entry);
    std::optional<int32_t> number = value.IsRead() ? value.Number() : std::nullopt;
    return number ? *number : defaultValue;
}

std::string CWinApp::GetProfileUtf8String(const char* section, const char* entry) const
{
    CRegistryKey key = OpenSectionKey(GetAppRegistryPath(), section, false);
    if (!key) return std::string();
    std::vector<wchar_t> name(strlen(entry) + 1);
    MultiByteToWideChar(CP_ACP, 0, entry, -1, name.data(), static_cast<int>(name.size()));
    const RegistryValue value = ReadRegistryValue(key.get(), name.data());
    if (!value.IsRead() || value.type != REG_SZ) return std::string();
    // The text ends at its first zero, or with the value's last whole unit.
    // A vector, not a wide string: the library's wide-string code would bring
    // its exception handling into the file.
    std::vector<wchar_t> wide(value.bytes.size() / sizeof(wchar_t) + 1, L'\0');
    memcpy(wide.data(), value.bytes.data(), (wide.size() - 1) * sizeof(wchar_t));
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? bytes : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, &text[0], bytes, nullptr, nullptr);
    text.resize(strlen(text.c_str()));
    return text;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry,
                                      const char* defaultValue) const
{
    const RegistryValue value = ReadSectionValue(GetAppRegistryPath(), section, entry);
    if (!value.IsRead() || value.type != REG_SZ) return defaultValue ? defaultValue : "";
    return value.TextToEnd();
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    CRegistryKey key = OpenSectionKey(GetAppRegistryPath(), section, true);
    if (!key) return false;
    DWORD data = static_cast<DWORD>(value);
    return RegSetValueExA(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const
{
    CRegistryKey key = OpenSectionKey(GetAppRegistryPath(), section, true);
    if (!key) return false;
    return RegSetValueExA(key.get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
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
