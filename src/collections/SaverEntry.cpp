#include "collections/SaverEntry.h"

#include "base/TextPieces.h"

std::string CSaverEntry::EncodeEntry() const
{
    return FormatDecimal(level) + '\\' + FormatDecimal(duration) + '\\' + (selected ? "1\\" : "0\\") +
           FormatDecimal(order) + '\\';
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

bool CSaverEntry::IsEntryValue(const std::string& value)
{
    return SplitText(value, '\\').size() >= 4;
}
