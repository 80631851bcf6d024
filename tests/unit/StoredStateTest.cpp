// What a settings sheet stores at OK, and the names the file can hold.
#include "collections/StoredNames.h"
#include "collections/StoredState.h"

#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct CountingLock : IFileLock {
    bool Lock() override
    {
        ++taken;
        if (!refuse) ++depth;
        return !refuse;
    }
    void Unlock() override { --depth; }
    int depth = 0;
    int taken = 0;
    bool refuse = false;
};

TEST(StoredNames, KeysAndOfferedNamesReadBackAsThemselves)
{
    struct Case { std::string name; bool key; bool offered; };
    const Case cases[] = {
        {"Aquarium", true, true},        {"ok name", true, true},      {"a;b", true, true},
        {"#Hash", true, true},           {"Br]", true, true},           {"Tab\tin", true, true},
        {" Lead", false, false},         {"Trail ", false, false},      {"\tTab", false, false},
        {"x=y", false, false},           {";Semi", false, false},       {"[Br", false, false},
        {"", false, false},              {"line\nbreak", false, false},
        {"..\\..\\Elsewhere\\Hidden", true, false}, {"a/b", true, false}, {"C:Evil", true, false},
        {"dots..here", true, false},     {"Ma?ana", true, false},       {"TombolixScreen", true, false},
        {"TOMBOLIX2", true, false},      {"tombolix fun", true, false}, {"Tombola", true, true},
        {std::string(251, 'n'), true, true},                   {std::string(252, 'n'), true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.key, IsStorableKey(c.name)) << c.name;
        EXPECT_EQ(c.offered, IsOfferedSaverName(c.name)) << c.name;
    }
    EXPECT_TRUE(IsPlainFileName("Tombolix2"));
    EXPECT_FALSE(IsPlainFileName("..\\Tombolix2"));
}

TEST(StoredNames, NewCollectionNamesTheFileCanHold)
{
    const std::pair<std::string, CollectionNameProblem> cases[] = {
        {"Night", CollectionNameProblem::None},
        {"x=y;[z", CollectionNameProblem::None},
        {std::string(260, 'n'), CollectionNameProblem::None},
        {"", CollectionNameProblem::Empty},
        {std::string(261, 'n'), CollectionNameProblem::TooLong},
        {" Night", CollectionNameProblem::Blanks},
        {"Night\t", CollectionNameProblem::Blanks},
        {"Night\r", CollectionNameProblem::Blanks},   // trimmed as a blank, like a tab
        {"Ni]ght", CollectionNameProblem::Characters},
        {"Ni\r\nght", CollectionNameProblem::Characters},
        {"tombolixINTERNAL", CollectionNameProblem::Reserved},
    };
    for (const auto& [name, problem] : cases) EXPECT_EQ(problem, CheckCollectionName(name)) << name;
}

struct StoredStateTest : ::testing::Test {
    FakeSettingsStore store;
    FakeProfileFile file;
    CountingLock lock;

    // A sheet on what is stored now that selects screen savers in the shown collection.
    std::unique_ptr<CSheetEdits> EditShown(CStoredState& state, const std::string& name, const Texts& selected)
    {
        std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
        CCollection& collection = edits->AddCollection(state.LoadCollection(name, true));
        for (const std::string& saver : selected) collection.MarkFound(saver);
        collection.SetSelection(selected, false);
        edits->SetCurrentName(name);
        return edits;
    }
};

TEST_F(StoredStateTest, OkWritesTheCollectionsThenTheCurrentName)
{
    file.SetText("[Old]\r\nA=2\\15\\1\\0\\\r\n");
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = EditShown(state, "Night", {"Clock"});
    edits->DeleteCollection("old");
    EXPECT_EQ("[Old]\r\nA=2\\15\\1\\0\\\r\n", file.Text());   // nothing before OK

    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ("[Night]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());
    EXPECT_EQ("Night", ReadCurrentName(store));
    EXPECT_EQ(0, lock.depth);
    EXPECT_GT(lock.taken, 0);
}

TEST_F(StoredStateTest, AFailedWriteIsReportedAndTheCurrentNameWaitsForItsCollection)
{
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = EditShown(state, "Night", {"Clock"});
    file.failWrites = true;
    StoreFailures failed = state.Commit(*edits).failed;
    EXPECT_TRUE(failed.collectionsFile);
    EXPECT_FALSE(failed.settingsStore);
    EXPECT_EQ("Default", ReadCurrentName(store));   // never a name without its section

    // The same OK again once the file can be written.
    file.failWrites = false;
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ("Night", ReadCurrentName(store));

    lock.refuse = true;
    edits->edited.useBlanker = true;
    EXPECT_TRUE(state.Commit(*edits).failed.collectionsFile);
    EXPECT_EQ(0, lock.depth);
}

TEST_F(StoredStateTest, AnUnchangedCurrentNameIsNotWritten)
{
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = EditShown(state, "Default", {"Clock"});
    // A store that would refuse the name: an OK that keeps it must not fail.
    store.refusedEntry = "Current";
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ("[Default]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n", file.Text());
}

TEST_F(StoredStateTest, TheUninstallRequestRemovesEverythingOnlyAtOkAndWritesNothingBack)
{
    file.SetText("[Default]\r\nA=2\\15\\1\\0\\\r\n");
    store.values["Config\\UseTray"] = 1;
    CStoredState state(store, file, lock);
    {
        std::unique_ptr<CSheetEdits> cancelled = state.BeginEdits();
        cancelled->RequestUninstall();
    }   // Cancel: the edits go, nothing is removed
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    EXPECT_FALSE(edits->IsUninstallRequested());
    EXPECT_TRUE(edits->edited.useTray);
    edits->RequestUninstall();
    EXPECT_FALSE(edits->edited.useTray);
    EXPECT_EQ(0, store.removals);
    edits->edited.useBlanker = true;
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ(1, store.removals);
    EXPECT_FALSE(file.Exists());
    // Nothing the sheet changed is written back after the removal.
    EXPECT_EQ(Texts{}, store.writes);
    EXPECT_TRUE(store.values.empty());
}

TEST_F(StoredStateTest, ANewCollectionOfADeletedNameStartsEmpty)
{
    file.SetText("[Night]\r\nOld=2\\15\\1\\0\\\r\n");
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    edits->AddCollection(state.LoadCollection("Night", true));
    edits->DeleteCollection("Night");
    EXPECT_TRUE(edits->IsDeleted("NIGHT"));
    EXPECT_EQ(nullptr, edits->FindCollection("Night"));
    CCollection& fresh = edits->AddCollection(std::make_unique<CCollection>("Night", file));
    EXPECT_EQ(&fresh, edits->FindCollection("nIGHT"));   // one section, whatever the letter case
    fresh.MarkFound("New");
    fresh.SetSelection({"New"}, true);
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ("[Night]\r\nNew=2\\15\\1\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n", file.Text());
}

TEST_F(StoredStateTest, AFileThatWentOrWasReplacedUnderTheSheetGetsAllItShows)
{
    const std::string stored = "[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n"
                               "[TombolixInternal]\r\nFolders=D:\\Savers*\r\n";
    for (bool deleted : {true, false}) {
        file.SetText(stored);
        CStoredState state(store, file, lock);
        std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
        CCollection& night = edits->AddCollection(state.LoadCollection("Night", true));
        night.MarkFound("Clock");
        night.MarkFound("Bubbles");
        if (deleted) file.Remove();
        else file.ReplaceWith("[Other]\r\nx=1\r\n");

        CommitOutcome outcome = state.Commit(*edits);
        EXPECT_FALSE(outcome.failed.Any());
        EXPECT_TRUE(outcome.fileWasReplaced);
        // The collections before the folders, as in any file written from nothing.
        EXPECT_EQ(std::string(deleted ? "" : "[Other]\r\nx=1\r\n") +
                      "[Night]\r\nBubbles=2\\15\\0\\0\\\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n"
                      "TombolixNextToUse=0\r\n[TombolixInternal]\r\nFolders=D:\\Savers*\r\n",
                  file.Text())
            << deleted;
    }
    // The same file, changed in place by another process: only the difference.
    file.SetText(stored);
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = EditShown(state, "Night", {"Clock"});
    file.WriteString("Day", "Sun", "1");
    CommitOutcome outcome = state.Commit(*edits);
    EXPECT_FALSE(outcome.fileWasReplaced);
    EXPECT_EQ("[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n[TombolixInternal]\r\nFolders=D:\\Savers*\r\n"
              "[Day]\r\nSun=1\r\n",
              file.Text());
}

TEST_F(StoredStateTest, AnOkThatFailedOnAReplacedFileLeavesTheNextOkWritingItAll)
{
    file.SetText("[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n[TombolixInternal]\r\nFolders=D:\\Savers*\r\n");
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    edits->AddCollection(state.LoadCollection("Night", true)).MarkFound("Clock");
    file.ReplaceWith("[Other]\r\nx=1\r\n");
    file.failWrites = true;
    CommitOutcome refused = state.Commit(*edits);
    EXPECT_TRUE(refused.failed.collectionsFile);
    EXPECT_TRUE(refused.fileWasReplaced);

    file.failWrites = false;
    CommitOutcome retried = state.Commit(*edits);
    EXPECT_FALSE(retried.failed.Any());
    EXPECT_TRUE(retried.fileWasReplaced);
    EXPECT_EQ("[Other]\r\nx=1\r\n[Night]\r\nClock=1\\10\\1\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n"
              "[TombolixInternal]\r\nFolders=D:\\Savers*\r\n",
              file.Text());
}

// The sheet stays open after a failed OK. A restart of the cycle is written
// once: the next OK writes it only if the first did not, and a position that
// a session wrote since stays.
TEST_F(StoredStateTest, ASecondOkWritesTheCyclesRestartOnlyIfTheFirstDidNot)
{
    const std::string head = "[Night]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\n";
    for (bool fileRefusedFirst : {false, true}) {
        store.values.clear();
        file.SetText(head + "TombolixNextToUse=3\r\n");
        CStoredState state(store, file, lock);
        std::unique_ptr<CSheetEdits> edits = EditShown(state, "Night", {"Clock"});
        file.failWrites = fileRefusedFirst;
        store.refusedEntry = "Current";
        EXPECT_TRUE(state.Commit(*edits).failed.Any());
        file.failWrites = false;
        store.refusedEntry.clear();
        file.WriteString("Night", "TombolixNextToUse", "2");   // a session moves on meanwhile

        EXPECT_FALSE(state.Commit(*edits).failed.Any());
        EXPECT_EQ(head + "TombolixNextToUse=" + (fileRefusedFirst ? "0" : "2") + "\r\n", file.Text())
            << fileRefusedFirst;
        EXPECT_EQ("Night", ReadCurrentName(store));
    }
}

// The resident instance read the settings when it started; its sheet shows
// what another process's sheet stored since.
TEST_F(StoredStateTest, ASheetShowsWhatAnEarlierSheetStored)
{
    CStoredState resident(store, file, lock);
    CStoredState other(store, file, lock);
    std::unique_ptr<CSheetEdits> first = EditShown(other, "Night", {"Stars", "Clock"});
    first->edited.useBlanker = true;
    first->edited.blankerName = "Starfield";
    first->edited.folders = {"D:\\Savers"};
    ASSERT_FALSE(other.Commit(*first).failed.Any());

    std::unique_ptr<CSheetEdits> second = resident.BeginEdits();
    EXPECT_TRUE(second->original.useBlanker);
    EXPECT_EQ("Starfield", second->edited.blankerName);
    EXPECT_EQ(Texts{"D:\\Savers"}, second->edited.folders);
    EXPECT_EQ("Night", second->GetCurrentName());
    EXPECT_EQ((Texts{"Stars", "Clock"}), resident.LoadCollection("Night", false)->ListEverySelectedInOrder());
}

TEST_F(StoredStateTest, ADeletionTheSystemRefusesIsReported)
{
    const std::string stored = "[Night]\r\nClock=2\\15\\1\\0\\\r\n";
    file.SetText(stored);
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    edits->DeleteCollection("Night");
    file.failWrites = true;
    StoreFailures failed = state.Commit(*edits).failed;
    EXPECT_TRUE(failed.collectionsFile);
    EXPECT_FALSE(failed.settingsStore);
    EXPECT_EQ(stored, file.Text());

    lock.refuse = true;   // another process holds the file: nothing is removed
    EXPECT_TRUE(state.RemoveEverything().collectionsFile);
    EXPECT_EQ(0, store.removals);
    lock.refuse = false;
    failed = state.RemoveEverything();   // the file stays
    EXPECT_TRUE(failed.collectionsFile);
    EXPECT_FALSE(failed.settingsStore);
    EXPECT_EQ(stored, file.Text());
    file.failWrites = false;
    store.failWrites = true;
    failed = state.RemoveEverything();   // the registry key stays
    EXPECT_FALSE(failed.collectionsFile);
    EXPECT_TRUE(failed.settingsStore);
    EXPECT_FALSE(file.Exists());
}

// "default" may be deleted, and the Default offered then starts empty: every
// copy of the name goes, whatever its letter case.
TEST_F(StoredStateTest, ACollectionDeletedInAnotherLetterCaseGoesWithEveryCopy)
{
    file.SetText("[default]\r\nA=2\\15\\1\\0\\\r\n[Night]\r\nx=1\r\n[DEFAULT]\r\nB=2\\15\\1\\0\\\r\n");
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
    edits->AddCollection(state.LoadCollection("default", true));
    edits->DeleteCollection("DEFAULT");
    EXPECT_EQ(nullptr, edits->FindCollection("default"));
    CCollection& fresh = edits->AddCollection(std::make_unique<CCollection>("Default", file));
    fresh.MarkFound("A");
    fresh.SetSelection({}, false);
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ("[Night]\r\nx=1\r\n[Default]\r\nA=2\\15\\0\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              file.Text());
}

// Everything one OK changes in the file is one write: cut off, the file is
// as it was or as the user asked, never half of it.
TEST_F(StoredStateTest, OneOkIsOneSaveOfTheFile)
{
    file.SetText("[Old]\r\nA=2\\15\\1\\0\\\r\n[Day]\r\nSun=2\\15\\1\\0\\\r\n");
    CStoredState state(store, file, lock);
    std::unique_ptr<CSheetEdits> edits = EditShown(state, "Night", {"Clock"});
    CCollection& day = edits->AddCollection(state.LoadCollection("Day", true));
    day.MarkFound("Sun");
    day.SetSelection({}, true);
    edits->DeleteCollection("Old");
    edits->edited.folders = {"D:\\Savers"};
    const int writesBefore = file.writeCount;
    EXPECT_FALSE(state.Commit(*edits).failed.Any());
    EXPECT_EQ(1, file.writeCount - writesBefore);
    EXPECT_EQ("[Day]\r\nSun=2\\15\\0\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n"
              "[Night]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n"
              "[TombolixInternal]\r\nFolders=D:\\Savers*\r\n",
              file.Text());
}

// Two sheets open at once: each writes what its user changed, judged
// against the file at its OK, and never undoes what the other stored.
TEST_F(StoredStateTest, APlainOkOfASecondSheetKeepsWhatTheFirstStored)
{
    file.SetText("[Night]\r\nStars=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n[Day]\r\nSun=2\\15\\1\\0\\\r\n");
    CStoredState state(store, file, lock);
    auto showNight = [&] {
        std::unique_ptr<CSheetEdits> edits = state.BeginEdits();
        CCollection& night = edits->AddCollection(state.LoadCollection("Night", true));
        night.MarkFound("Clock");   // found on disk, not in the file
        night.MarkFound("Stars");
        edits->AddCollection(state.LoadCollection("Day", true)).MarkFound("Sun");
        return edits;
    };
    std::unique_ptr<CSheetEdits> selecting = showNight(), plain = showNight();
    CCollection& night = *selecting->FindCollection("Night");
    night.SetSelection({"Stars", "Clock"}, false);
    ASSERT_FALSE(state.Commit(*selecting).failed.Any());
    const std::string selected = file.Text();
    EXPECT_NE(std::string::npos, selected.find("Clock=2\\15\\1\\1\\"));
    plain->FindCollection("Night")->SetSelection({"Stars"}, false);
    ASSERT_FALSE(state.Commit(*plain).failed.Any());
    EXPECT_EQ(selected, file.Text());

    // One deletes a collection that the other showed and left alone.
    std::unique_ptr<CSheetEdits> deleting = showNight(), untouched = showNight();
    deleting->DeleteCollection("Day");
    ASSERT_FALSE(state.Commit(*deleting).failed.Any());
    ASSERT_FALSE(state.Commit(*untouched).failed.Any());
    EXPECT_EQ(std::string::npos, file.Text().find("[Day]"));
    // A change there is this user's last word, and brings it back.
    std::unique_ptr<CSheetEdits> changing = showNight();
    deleting = showNight();
    deleting->DeleteCollection("Night");
    ASSERT_FALSE(state.Commit(*deleting).failed.Any());
    changing->FindCollection("Night")->SetCycle(true);
    ASSERT_FALSE(state.Commit(*changing).failed.Any());
    EXPECT_EQ("1", file.ReadString("Night", "TombolixCycle", ""));
}

}  // namespace
