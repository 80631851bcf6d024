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

StartRequest ReadStartRequest(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && MatchesKeyword(arguments[0], "tray")) return StartRequest::Tray;
    if (arguments.empty()) return StartRequest::Configure;
    const std::string& first = arguments[0];
    // Letter case counts here: /C falls through to the last rule.
    if (first.size() >= 2 && first[1] == 'c') return StartRequest::Configure;
    if (MatchesKeyword(first, "a")) return StartRequest::ChangePassword;
    if (MatchesKeyword(first, "p")) return StartRequest::Preview;
    if (MatchesKeyword(first, "s")) return StartRequest::ScreenSaver;
    return StartRequest::ConfigureUnlessTrayStarted;
}

std::optional<int32_t> ReadSeedArgument(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2) return std::nullopt;
    const std::string& second = arguments[1];
    if (second.size() < 2 || second[1] != 'r') return std::nullopt;
    return ReadDecimal(second.c_str() + 2);
}
