#include "base/CommandLine.h"

#include "base/TextPieces.h"

#include <cctype>

bool MatchesKeyword(const std::string& argument, const char* keyword)
{
    std::string word = argument;
    if (!word.empty() && (word[0] == '-' || word[0] == '/')) word.erase(0, 1);
    std::string expected = keyword;
    if (word.size() != expected.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != std::tolower(static_cast<unsigned char>(expected[i])))
            return false;
    }
    return true;
}

namespace {
// "p" or "p:<anything>", after one leading "-" or "/", in either case.
bool IsPreviewArgument(const std::string& argument)
{
    size_t colon = argument.find(':');
    return MatchesKeyword(argument.substr(0, colon), "p");
}

std::optional<uint64_t> ReadWindowNumber(const std::string& text)
{
    if (text.empty() || text.size() > 19) return std::nullopt;
    uint64_t number = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        number = number * 10 + static_cast<uint64_t>(c - '0');
    }
    return number;
}
}  // namespace

StartRequest ReadStartRequest(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && MatchesKeyword(arguments[0], "tray")) return StartRequest::Tray;
    if (arguments.empty()) return StartRequest::Configure;
    const std::string& first = arguments[0];
    // Letter case counts here: /C falls through to the last rule.
    if (first.size() >= 2 && first[1] == 'c') return StartRequest::Configure;
    if (MatchesKeyword(first, "a")) return StartRequest::ChangePassword;
    if (IsPreviewArgument(first)) return StartRequest::Preview;
    if (MatchesKeyword(first, "s")) return StartRequest::ScreenSaver;
    return StartRequest::ConfigureUnlessTrayStarted;
}

std::optional<uint64_t> ReadPreviewWindow(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || !IsPreviewArgument(arguments[0])) return std::nullopt;
    size_t colon = arguments[0].find(':');
    if (colon != std::string::npos) return ReadWindowNumber(arguments[0].substr(colon + 1));
    if (arguments.size() < 2) return std::nullopt;
    return ReadWindowNumber(arguments[1]);
}

std::optional<int32_t> ReadSeedArgument(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2) return std::nullopt;
    const std::string& second = arguments[1];
    if (second.size() < 2 || second[1] != 'r') return std::nullopt;
    return ReadDecimal(second.c_str() + 2);
}
