// vorlen.exe run as a child process from a folder of its own, and the reading of its windows from outside.
#pragma once
#include "tests/support/MessagePump.h"
#include <windows.h>
#include <string>
#include <vector>

// vorlen's window titles, and how long it may take to show one.
extern const char* const kVorlenMainTitle;
extern const char* const kVorlenLoginTitle;
const DWORD kVorlenStartTimeout = 15000;

class VorlenProcess
{
public:
    // A fresh folder with a copy of vorlen.exe and, unless the connect string is null, "connect.txt" holding it.
    explicit VorlenProcess(const char* connectString);
    ~VorlenProcess();
    VorlenProcess(const VorlenProcess&) = delete;
    VorlenProcess& operator=(const VorlenProcess&) = delete;

    // Starts the copy with the folder as current directory.
    bool Start();
    HANDLE Handle() const { return m_process.hProcess; }
    bool Running() const;
    // False when the process is still running after the time.
    bool WaitExit(DWORD milliseconds, DWORD* exitCode = nullptr);
    const std::string& Folder() const { return m_folder; }

    // Starts the copy and logs in as the first operator: the main window once it shows its
    // grid, or null when a window did not come in the time.
    HWND StartAndLogIn(DWORD milliseconds);

    // Visible top-level windows of the process.
    std::vector<HWND> Windows() const;
    // The first visible top-level window with this title ("" = any), or null after the time.
    HWND WaitWindow(const char* title, DWORD milliseconds) const;
    // Waits until no window of the process has a part left to paint and the display shows its
    // windows the same at two readings apart; false after the time.
    bool WaitPainted(DWORD milliseconds) const;

    // Texts of another process's list view, read through memory lent in that process.
    std::vector<std::string> Columns(HWND list) const;
    int RowCount(HWND list) const;
    std::string Cell(HWND list, int row, int column) const;

    // A button's rectangle on one of its toolbars (the menu bar, a popup's items), in screen
    // coordinates; empty when the bar has no such button.
    RECT ItemRect(HWND bar, int index) const;

    // vorlen.exe beside the test program's build folder.
    static std::string ProgramPath();
    static std::string WindowText(HWND hwnd);

private:
    std::string m_folder;
    PROCESS_INFORMATION m_process;
};

// The window of the thread that has the keyboard focus, or null.
HWND FocusOf(HWND anyWindowOfTheThread);
// A window's rectangle in screen coordinates, and its middle.
RECT WindowRect(HWND hwnd);
POINT Centre(const RECT& rect);
// The share of pixels of a 24-bit BMP that are black, and the number of colours in it.
bool ReadPictureColours(const std::string& path, double* pBlack, size_t* pColours);

// Removes vorlen's profile key; true when it existed.
bool DeleteVorlenProfile();
bool VorlenProfileExists();
// A dialog's button clicked and an item's text set, through messages.
void PressButton(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const char* text);
// Real key strokes, as the keyboard would give them: pressed in order, released in reverse.
void PressKeys(const std::vector<WORD>& keys);
// The Windows name of a Unix path: Wine's drive Z: is the Unix root.
std::string WindowsPath(std::string unixPath);
// Takes what the X display shows of the window into a PNG and a plain 24-bit BMP beside it (the
// folder is a Unix path); false when it could not.
bool SaveScreenPicture(HWND hwnd, const std::string& folder, const std::string& name);
// The first descendant of the window with this class name ("" = any) and control id (-1 = any).
HWND FindDescendant(HWND parent, const char* className, int id = -1);
// Waits until the condition holds, pumping this thread's messages; false after the time.
template <class Condition>
bool WaitFor(Condition condition, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount() - start > milliseconds)
            return false;
        PumpMessages();
        Sleep(20);
    }
}
