// Measures, under Wine, how the settings sheet keeps up with a large
// catalogue: for 1,000 and 5,000 screen savers in an extra folder, the time
// from the program's start until its sheet answers (against a minimal
// program showing seven empty pages), the moves of every screen saver between
// the lists, OK after such a move, and the first show of the Options page.
// Medians of several runs. Argument: [runs].
#include "BenchFigures.h"
#include "WinTestSupport.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using namespace std::chrono;
using wintest::Child;

const char* const sheetTitle = "Tombolix Screensaver";
constexpr int optionsPageIndex = 3;

double MillisecondsSince(steady_clock::time_point begin)
{
    return duration<double, std::milli>(steady_clock::now() - begin).count();
}

// Once a sent message comes back, the sheet's thread has done all it was
// asked before it.
void WaitUntilAnswering(HWND window)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
}

double Timed(const std::function<void()>& action)
{
    auto begin = steady_clock::now();
    action();
    return MillisecondsSince(begin);
}

// A folder of empty files named like screen savers; the catalogue only
// lists them.
std::string SaverFolder(int count)
{
    std::string folder = "C:\\TombolixBench" + std::to_string(count);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        char name[64];
        snprintf(name, sizeof name, "\\Screen saver %05d.scr", i);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    return folder;
}

// The folder as the one extra folder, and a Default collection holding each
// of its screen savers, selected in list order or not at all.
void WriteCollections(const std::string& folder, int count, bool selected)
{
    std::string bytes = "[TombolixInternal]\r\nFolders=" + folder + "*\r\n[Default]\r\n";
    for (int i = 0; i < count; ++i) {
        char line[96];
        snprintf(line, sizeof line, "Screen saver %05d=2\\15\\%d\\%d\\\r\n", i, selected ? 1 : 0, selected ? i : 0);
        bytes += line;
    }
    wintest::WriteCollectionsFile(bytes);
}

// Starts the program and waits until its sheet shows and answers; the
// sheet, and the time taken in times.
HWND StartSheet(std::unique_ptr<Child>& child, const std::string& program, const std::string& arguments,
                const char* title, std::vector<double>& times)
{
    HWND sheet = nullptr;
    times.push_back(Timed([&] {
        child = std::make_unique<Child>(program, arguments);
        // Looked for every millisecond: steps of 50 ms would hide what is
        // measured.
        wintest::WaitUntil([&] {
            sheet = wintest::FindWindowOfProcess(child->Id(), "#32770", title);
            return sheet && IsWindowVisible(sheet);
        }, seconds(600), milliseconds(1));
        WaitUntilAnswering(sheet);
    }));
    return sheet;
}

// A button of the current page, pressed as a click would, until the sheet
// answers again.
double Press(HWND sheet, int id)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND button = GetDlgItem(page, id);
    return Timed([&] {
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        WaitUntilAnswering(sheet);
    });
}

double ShowPage(HWND sheet, int index)
{
    return Timed([&] {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        WaitUntilAnswering(sheet);
    });
}

// How many items a list of the current page shows.
int CountOf(HWND sheet, int id)
{
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return static_cast<int>(SendMessageA(GetDlgItem(page, id), LB_GETCOUNT, 0, 0));
}

// How many entries of the collections file are selected.
int SelectedInFile()
{
    std::string bytes = wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini");
    int selected = 0;
    for (size_t at = bytes.find("\\15\\1\\"); at != std::string::npos; at = bytes.find("\\15\\1\\", at + 1)) ++selected;
    return selected;
}

// A measurement of work that was not done is worth nothing.
void Expect(const char* what, int expected, int actual)
{
    if (expected != actual) printf("warning: %s: %d instead of %d\n", what, actual, expected);
}

// OK, until the process has stored everything and ended.
double PressOk(HWND sheet, const Child& child)
{
    return Timed([&] {
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        child.WaitForExit(seconds(600));
    });
}

void Cancel(HWND sheet, const Child& child)
{
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    child.WaitForExit(seconds(600));
}

struct Row {
    const char* what;
    std::vector<double> times;
    const char* target;
};

// Each run's time over the same run's floor: a machine slowed for a while
// slows both alike.
double MedianRatio(const Row& row, const Row& floor)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < row.times.size() && i < floor.times.size(); ++i)
        ratios.push_back(row.times[i] / floor.times[i]);
    return MedianOf(ratios);
}

void PrintRow(const Row& row, const Row* floor = nullptr)
{
    printf("| %s | %.0f ms", row.what, MedianOf(row.times));
    if (floor) printf(" (%.2f x the floor, the median of the runs' ratios)", MedianRatio(row, *floor));
    printf(" | %s |\n", row.target);
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    wintest::ClearStoredSettings();
    wintest::SetConfigInt("UseTray", 0);
    wintest::SetConfigInt("OlderFileImported", 1);
    const std::string program = wintest::ProgramPath();
    const std::string floorProgram = wintest::ProgramFolder() + "\\FloorSheet.exe";

    Row floorRow{"a minimal program showing seven empty pages: start until it answers", {}, "the floor"};
    Row pagesFloorRow{"the same with the program's seven pages, their controls and none of its code", {},
                      "what the pages cost"};
    Row start1000{"1,000 screen savers: start until the sheet answers", {}, "at most 1.5 x the floor"};
    Row start5000{"5,000 screen savers: the same", {}, "at most 1,000 ms"};
    Row startSelected{"5,000, all selected: the same", {}, "at most 1,000 ms"};
    Row moveAll{"`>>` with 5,000 available", {}, "at most 500 ms"};
    Row moveAllBack{"`<<` with 5,000 selected", {}, "at most 500 ms"};
    Row ok{"OK after `>>` with 5,000", {}, "at most 1,000 ms"};
    Row options{"Options page, first show, 5,000 screen savers", {}, "at most 200 ms"};

    const std::string folder1000 = SaverFolder(1000);
    const std::string folder5000 = SaverFolder(5000);
    std::unique_ptr<Child> child;
    for (int run = 0; run < runs; ++run) {
        HWND sheet = StartSheet(child, floorProgram, "", "Floor Sheet", floorRow.times);
        Cancel(sheet, *child);
        sheet = StartSheet(child, floorProgram, "\"" + program + "\"", "Floor Sheet", pagesFloorRow.times);
        Cancel(sheet, *child);

        WriteCollections(folder1000, 1000, false);
        sheet = StartSheet(child, program, "/c", sheetTitle, start1000.times);
        Cancel(sheet, *child);

        WriteCollections(folder5000, 5000, false);
        sheet = StartSheet(child, program, "/c", sheetTitle, start5000.times);
        options.times.push_back(ShowPage(sheet, optionsPageIndex));
        ShowPage(sheet, 0);
        moveAll.times.push_back(Press(sheet, IDC_MOVE_ALL_FORWARD));
        Expect("selected after >>", 5000, CountOf(sheet, IDC_SELECTED));
        ok.times.push_back(PressOk(sheet, *child));
        Expect("selected in the file after OK", 5000, SelectedInFile());

        WriteCollections(folder5000, 5000, true);
        sheet = StartSheet(child, program, "/c", sheetTitle, startSelected.times);
        Expect("selected at the start", 5000, CountOf(sheet, IDC_SELECTED));
        moveAllBack.times.push_back(Press(sheet, IDC_MOVE_ALL_BACK));
        Expect("available after <<", 5000, CountOf(sheet, IDC_AVAILABLE));
        Cancel(sheet, *child);
    }
    wintest::ClearStoredSettings();

    printf("the settings sheet (medians of %d runs):\n\n| with | measured | target |\n|---|---|---|\n", runs);
    PrintRow(floorRow);
    PrintRow(pagesFloorRow, &floorRow);
    PrintRow(start1000, &floorRow);
    for (const Row* row : {&start5000, &startSelected, &moveAll, &moveAllBack, &ok, &options}) PrintRow(*row);
    printf("\n1,000 screen savers against the program's own pages without its code: %.2f x\n",
           MedianRatio(start1000, pagesFloorRow));
    return 0;
}
