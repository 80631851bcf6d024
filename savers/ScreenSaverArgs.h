// The command line that Windows gives every screen saver: "/s" to run,
// "/p <window>" to preview inside a window, "/c[:<window>]" or nothing to
// configure, "/a" to change the password.
#pragma once
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <cstdlib>

enum class SaverRequest { Run, Preview, Configure, ChangePassword };

struct SaverCommand {
    SaverRequest request = SaverRequest::Configure;
    HWND window = nullptr;   // the preview area, or the owner of the settings
};

inline SaverCommand ReadSaverCommand(const char* commandLine)
{
    SaverCommand command;
    const char* at = commandLine;
    // Past the program path, quoted or not.
    if (*at == '"') {
        at = strchr(at + 1, '"');
        at = at ? at + 1 : commandLine + strlen(commandLine);
    } else {
        while (*at && *at != ' ') ++at;
    }
    while (*at == ' ') ++at;
    if (*at == '/' || *at == '-') ++at;
    char letter = static_cast<char>(tolower(static_cast<unsigned char>(*at)));
    if (letter == 's') command.request = SaverRequest::Run;
    else if (letter == 'p') command.request = SaverRequest::Preview;
    else if (letter == 'a') command.request = SaverRequest::ChangePassword;
    if (*at) ++at;
    while (*at == ' ' || *at == ':') ++at;
    command.window = reinterpret_cast<HWND>(static_cast<uintptr_t>(strtoull(at, nullptr, 10)));
    return command;
}
