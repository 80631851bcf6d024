// The fake profile file of the unit tests against the real profile functions:
// one script of operations, the same reads and the same file text.
#include "os/PrivateProfileFile.h"

#include "WinTestSupport.h"
#include "fakes/FakeProfileFile.h"

#include <gtest/gtest.h>

namespace {

using Transcript = std::vector<std::string>;

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += name + "|";
    return text;
}

Transcript RunScript(IProfileFile& file)
{
    Transcript seen;
    auto read = [&](const std::string& section, const std::string& key, size_t size) {
        seen.push_back(section + "/" + key + "=" + file.ReadString(section, key, "none", size));
    };
    const std::string longValue(600, 'v');

    read("Default", "Clock", 512);                       // missing file
    seen.push_back(Joined(file.ReadSectionNames(16384)));
    file.WriteString("Default", "Clock", "1\\10\\1\\0\\");
    file.WriteString("Default", "Bubbles", "2\\15\\0\\0\\");
    file.WriteString("Night", "Aquarium", "0\\5\\1\\0\\");
    file.WriteString("default", "CLOCK", "3\\10\\1\\0\\");  // other letter case: replaced in place
    file.WriteString("NIGHT", "Empty", "");
    file.WriteString("Night", "Long", longValue);
    file.WriteString("Night", "Spaced", "  a b  ");
    file.WriteString("Night", "Quoted", "\"q\"");
    file.WriteString("TombolixInternal", "Folders", "D:\\Savers*");
    read("DEFAULT", "clock", 512);
    read("Night", "Empty", 512);
    read("Night", "Long", 512);
    read("Night", "Long", 4);
    read("Night", "Spaced", 512);
    read("Night", "Quoted", 512);
    read("Night", "Missing", 512);
    read("Nowhere", "Clock", 512);
    seen.push_back(std::to_string(file.ReadInt("Default", "Clock", 7)));
    seen.push_back(std::to_string(file.ReadInt("Default", "Missing", 7)));
    seen.push_back(std::to_string(file.ReadInt("Night", "Empty", 7)));
    seen.push_back(Joined(file.ReadSectionNames(16384)));
    seen.push_back(Joined(file.ReadKeyNames("night", 16384)));
    seen.push_back(Joined(file.ReadKeyNames("Nowhere", 16384)));

    file.DeleteKey("Night", "LONG");
    file.DeleteKey("Night", "Missing");
    file.DeleteKey("Nowhere", "Clock");
    file.DeleteSection("DEFAULT");
    file.DeleteSection("Nowhere");
    file.WriteString("Default", "Clock", "0\\1\\1\\0\\");  // comes back at the end
    seen.push_back(Joined(file.ReadSectionNames(16384)));
    seen.push_back(Joined(file.ReadKeyNames("Night", 16384)));
    return seen;
}

TEST(ProfileFile, TheFakeAnswersLikeTheProfileFunctions)
{
    const std::string path = wintest::WindowsFolder() + "\\TombolixScript.ini";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TombolixScript.ini");
    DeleteFileA(path.c_str());

    CPrivateProfileFile real("TombolixScript.ini");
    FakeProfileFile fake;
    Transcript realReads = RunScript(real);
    Transcript fakeReads = RunScript(fake);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TombolixScript.ini");

    ASSERT_EQ(realReads.size(), fakeReads.size());
    for (size_t i = 0; i < realReads.size(); ++i) EXPECT_EQ(realReads[i], fakeReads[i]) << "read " << i;
    EXPECT_EQ(wintest::ReadFileBytes(path), fake.Text());

    real.Remove();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_TRUE(real.ReadSectionNames(16384).empty());
}

}  // namespace
