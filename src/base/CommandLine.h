// Reading the command line: which start the first argument asks for, and the
// seed that a second argument such as /r12345 gives.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class StartRequest {
    Tray,                        // "tray"
    Configure,                   // no argument, or a second character "c" (/c, /c:1234)
    ChangePassword,              // "a"
    Preview,                     // "p", also "p:<window>"
    ScreenSaver,                 // "s"
    ConfigureUnlessTrayStarted,  // anything else: a tray instance may be due first
};

// True when the argument, after dropping one leading "-" or "/", equals the
// keyword without regard to letter case.
bool MatchesKeyword(const std::string& argument, const char* keyword);

// arguments: the command-line words after the program path.
StartRequest ReadStartRequest(const std::vector<std::string>& arguments);

// The window a preview start names: "/p 1234", "/p:1234", "-p 1234"; none
// when it names none or not as a decimal number.
std::optional<uint64_t> ReadPreviewWindow(const std::vector<std::string>& arguments);

// The seed of a second argument whose second character is "r".
std::optional<int32_t> ReadSeedArgument(const std::vector<std::string>& arguments);
