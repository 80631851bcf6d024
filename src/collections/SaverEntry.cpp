#include "collections/SaverEntry.h"

#include "collections/TextPieces.h"

#include <cstdio>

std::string CSaverEntry::EncodeEntry() const
{
    char value[128];
    snprintf(value, sizeof value, "%d\\%d\\%d\\%d\\", level, duration, selected ? 1 : 0, order);
    return value;
}

void CSaverEntry::DecodeEntry(const std::string& value)
{
    std::vector<std::string> pieces = SplitText(value, '\\');
    if (pieces.size() < 4) return;
    level = ReadDecimal(pieces[0]);
    duration = ReadDecimal(pieces[1]);
    selected = ReadDecimal(pieces[2]) != 0;
    order = ReadDecimal(pieces[3]);
}
