// The diagnostic trace: lines appended to <BRACTEMP or TEMP>\trace.txt, each
// prefixed with the milliseconds since the previous line. Callers check
// first whether tracing is on.
#pragma once
#include <string>

std::string TraceFolder();
std::string TraceFilePath();
void TraceWrite(const char* format, ...);
