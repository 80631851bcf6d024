#include "os/Trace.h"

#include "os/Stopwatch.h"

#include <windows.h>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr size_t maxPathLength = 255;
constexpr size_t messageSize = 1024;

void WriteText(HFILE file, const char* text)
{
    _lwrite(file, text, static_cast<UINT>(strlen(text)));
}
}  // namespace

std::string TraceFolder()
{
    if (const char* folder = getenv("BRACTEMP")) return folder;
    if (const char* folder = getenv("TEMP")) return folder;
    return "";
}

namespace {
std::string FullTracePath() { return TraceFolder() + "\\trace.txt"; }
}

std::string TraceFilePath()
{
    std::string path = FullTracePath();
    if (path.size() > maxPathLength) path.resize(maxPathLength);
    return path;
}

// Tracing must never disturb the program: whatever fails, the program
// goes on without the line.
void TraceWrite(const char* format, ...)
{
    // A path cut to the limit names some other file, wherever the cut
    // falls: better no trace than a stray file.
    std::string path = FullTracePath();
    if (path.size() > maxPathLength) return;
    // The system's formatting, which knows the few conversions the traces
    // use and writes at most the 1,024 characters of the buffer.
    char message[messageSize];
    if (strlen(format) >= messageSize) {
        strcpy(message, "Trace string too long");
    } else {
        va_list arguments;
        va_start(arguments, format);
        wvsprintfA(message, format, arguments);
        va_end(arguments);
    }

    HFILE file = _lopen(path.c_str(), OF_WRITE);
    if (file == HFILE_ERROR) file = _lcreat(path.c_str(), 0);
    else _llseek(file, 0, FILE_END);

    static std::unique_ptr<CStopwatch> stopwatch;
    if (!stopwatch) stopwatch = std::make_unique<CStopwatch>(SystemPerformanceCounter());
    char prefix[32];
    wsprintfA(prefix, "%10d: ", stopwatch->Lap());

    if (file != HFILE_ERROR) {
        WriteText(file, prefix);
        WriteText(file, message);
        WriteText(file, "\r\n");
        _lclose(file);
    }
}
