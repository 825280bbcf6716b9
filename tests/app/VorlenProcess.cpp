#include "tests/app/VorlenProcess.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/SyntheticInput.h"
#include <commctrl.h>
#include <algorithm>
#include <set>
#include <stdexcept>

#ifndef VORLEN_EXE_FROM_TESTS
#error "the build gives the path of vorlen.exe relative to the test program"
#endif

const char* const kVorlenMainTitle = "Vorlen v1.0";
const char* const kVorlenLoginTitle = "登陆对话框";

namespace {

const char* const kProfileParent = "Software\\TavoP AppWizard-Generated Applications";

// Whether the window or one of its descendants has a part waiting to be painted.
bool PaintPending(HWND hwnd)
{
    bool pending = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
    if (!pending)
        EnumChildWindows(
            hwnd,
            [](HWND child, LPARAM param) -> BOOL {
                *(bool*)param = GetUpdateRect(child, nullptr, FALSE) != FALSE;
                return !*(bool*)param;
            },
            (LPARAM)&pending);
    return pending;
}

// The pixels the display shows in a rectangle of the screen.
std::vector<BYTE> DisplayPixels(const RECT& rect)
{
    const int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    std::vector<BYTE> pixels;
    if (cx <= 0 || cy <= 0)
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr)
    {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, cx, cy, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        pixels.assign((const BYTE*)bits, (const BYTE*)bits + (size_t)cx * cy * 4);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Memory lent inside another process for one message.
class RemoteBuffer
{
public:
    RemoteBuffer(HANDLE process, size_t size) : m_process(process)
    {
        m_address =
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (m_address == nullptr)
            throw std::runtime_error("VirtualAllocEx failed");
    }
    ~RemoteBuffer() { VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE); }
    char* At(size_t offset) const { return (char*)m_address + offset; }
    void Write(size_t offset, const void* data, size_t size) const
    {
        WriteProcessMemory(m_process, At(offset), data, size, nullptr);
    }
    void Read(size_t offset, void* data, size_t size) const
    {
        ReadProcessMemory(m_process, At(offset), data, size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_address;
};

const size_t kTextOffset = 512;
const int kTextSize = 512;

std::string ReadText(const RemoteBuffer& buffer)
{
    char text[kTextSize] = {};
    buffer.Read(kTextOffset, text, kTextSize - 1);
    return text;
}

// Runs a command line of the Unix shell, as Wine starts a Unix program; true when it succeeded
// in time. Wine does not wait for the end of a Unix program, so the command leaves a mark when
// it is done (the mark is a Unix path).
bool RunUnixShell(const std::string& command, const std::string& mark, DWORD milliseconds)
{
    DeleteFileA(WindowsPath(mark).c_str());
    std::string line = "/bin/sh -c \"" + command + " && echo done > '" + mark + "'\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const bool done = WaitFor(
        [&] { return GetFileAttributesA(WindowsPath(mark).c_str()) != INVALID_FILE_ATTRIBUTES; },
        milliseconds);
    DeleteFileA(WindowsPath(mark).c_str());
    return done;
}

} // namespace

std::string VorlenProcess::ProgramPath()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    path = path.substr(0, path.find_last_of('\\') + 1) + VORLEN_EXE_FROM_TESTS;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    char full[MAX_PATH];
    GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::string VorlenProcess::WindowText(HWND hwnd)
{
    char text[1024] = {};
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

VorlenProcess::VorlenProcess(const char* connectString) : m_process()
{
    static LONG counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[64];
    wsprintfA(name, "vorlen-run-%lu-%ld\\", GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_folder = std::string(temp) + name;
    CreateDirectoryA(m_folder.c_str(), nullptr);
    if (!CopyFileA(ProgramPath().c_str(), (m_folder + "vorlen.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + ProgramPath());
    if (connectString != nullptr)
    {
        HANDLE file = CreateFileA((m_folder + "connect.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, connectString, (DWORD)strlen(connectString), &written, nullptr);
        CloseHandle(file);
    }
}

VorlenProcess::~VorlenProcess()
{
    if (m_process.hProcess != nullptr)
    {
        if (Running())
        {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, 5000);
        }
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    DeleteFileA((m_folder + "connect.txt").c_str());
    DeleteFileA((m_folder + "vorlen.exe").c_str());
    RemoveDirectoryA(m_folder.c_str());
}

bool VorlenProcess::Start()
{
    STARTUPINFOA startup = {sizeof startup};
    std::string exe = m_folder + "vorlen.exe";
    std::string commandLine = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          m_folder.c_str(), &startup, &m_process) != FALSE;
}

bool VorlenProcess::Running() const
{
    return m_process.hProcess != nullptr &&
           WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool VorlenProcess::WaitExit(DWORD milliseconds, DWORD* exitCode)
{
    if (WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    if (exitCode != nullptr)
        GetExitCodeProcess(m_process.hProcess, exitCode);
    return true;
}

std::vector<HWND> VorlenProcess::Windows() const
{
    struct Search
    {
        DWORD pid;
        std::vector<HWND> found;
    } search = {m_process.dwProcessId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            Search* s = (Search*)param;
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid && IsWindowVisible(hwnd))
                s->found.push_back(hwnd);
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

HWND VorlenProcess::WaitWindow(const char* title, DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hwnd : Windows())
                if (*title == 0 || WindowText(hwnd) == title)
                {
                    found = hwnd;
                    return true;
                }
            return false;
        },
        milliseconds);
    return found;
}

// A window without parts left to paint may not be on the display yet: Wine copies its drawing
// there a little later, so the display is read until it holds still.
bool VorlenProcess::WaitPainted(DWORD milliseconds) const
{
    std::vector<BYTE> before;
    return WaitFor(
        [&] {
            RECT all = {};
            bool pending = false;
            for (HWND hwnd : Windows())
            {
                const RECT rect = WindowRect(hwnd);
                UnionRect(&all, &all, &rect);
                pending = pending || PaintPending(hwnd);
            }
            const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN)};
            IntersectRect(&all, &all, &screen);
            std::vector<BYTE> now = pending ? std::vector<BYTE>() : DisplayPixels(all);
            const bool still = !now.empty() && now == before;
            before.swap(now);
            if (!still)
                Sleep(100);
            return still;
        },
        milliseconds);
}

std::vector<std::string> VorlenProcess::Columns(HWND list) const
{
    std::vector<std::string> columns;
    RemoteBuffer buffer(m_process.hProcess, kTextOffset + kTextSize);
    for (int i = 0;; ++i)
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = buffer.At(kTextOffset);
        column.cchTextMax = kTextSize;
        buffer.Write(0, &column, sizeof column);
        if (!SendMessageA(list, LVM_GETCOLUMNA, i, (LPARAM)buffer.At(0)))
            break;
        columns.push_back(ReadText(buffer));
    }
    return columns;
}

int VorlenProcess::RowCount(HWND list) const
{
    return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
}

std::string VorlenProcess::Cell(HWND list, int row, int column) const
{
    RemoteBuffer buffer(m_process.hProcess, kTextOffset + kTextSize);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.At(kTextOffset);
    item.cchTextMax = kTextSize;
    buffer.Write(0, &item, sizeof item);
    char empty = 0;
    buffer.Write(kTextOffset, &empty, 1);
    SendMessageA(list, LVM_GETITEMTEXTA, row, (LPARAM)buffer.At(0));
    return ReadText(buffer);
}

bool DeleteVorlenProfile()
{
    return RegDeleteTreeA(HKEY_CURRENT_USER, kProfileParent) == ERROR_SUCCESS;
}

bool VorlenProfileExists()
{
    return RegistryTestKey::Exists(kProfileParent);
}

HWND FindDescendant(HWND parent, const char* className, int id)
{
    struct Search
    {
        const char* className;
        int id;
        HWND found;
    } search = {className, id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) -> BOOL {
            Search* s = (Search*)param;
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if ((*s->className == 0 || lstrcmpiA(name, s->className) == 0) &&
                (s->id == -1 || GetDlgCtrlID(hwnd) == s->id))
            {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

std::string WindowsPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// Wine draws every window on the display, while a capture from inside Wine reads the window of
// another process as black: the X display's own picture is taken.
bool SaveScreenPicture(HWND hwnd, const std::string& folder, const std::string& name)
{
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const int left = std::max(0L, rect.left), top = std::max(0L, rect.top);
    const int right = std::min((int)rect.right, GetSystemMetrics(SM_CXSCREEN));
    const int bottom = std::min((int)rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    if (right <= left || bottom <= top)
        return false;
    const std::string crop = std::to_string(right - left) + "x" + std::to_string(bottom - top) +
                             "+" + std::to_string(left) + "+" + std::to_string(top);
    const std::string png = folder + "/" + name + ".png";
    // A Unix program started from Wine sees Wine's PATH, not the shell's. The BMP is plain
    // 24-bit, for reading it back here.
    return RunUnixShell("PATH=/usr/local/bin:/usr/bin:/bin; mkdir -p '" + folder +
                            "' && xwd -root -silent | convert xwd:- -crop " + crop + " +repage '" +
                            png + "' && convert '" + png + "' -type TrueColor bmp3:'" + folder +
                            "/" + name + ".bmp'",
                        folder + "/" + name + ".done", 30000);
}

HWND VorlenProcess::StartAndLogIn(DWORD milliseconds)
{
    HWND login = Start() ? WaitWindow(kVorlenLoginTitle, milliseconds) : nullptr;
    if (login == nullptr)
        return nullptr;
    SetItemText(login, 1050, "管理员");
    SetItemText(login, 1053, "739");
    PressButton(login, IDOK);
    HWND main = WaitWindow(kVorlenMainTitle, milliseconds);
    const int kGridId = 42179;
    if (main == nullptr ||
        !WaitFor([&] { return FindDescendant(main, "", kGridId) != nullptr; }, milliseconds))
        return nullptr;
    return main;
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void SetItemText(HWND dialog, int id, const char* text)
{
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text, SMTO_ABORTIFHUNG, 2000,
                        nullptr);
}

void PressKeys(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        inputs.push_back(KeyInput(*key, true));
    SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

RECT VorlenProcess::ItemRect(HWND bar, int index) const
{
    RECT rect = {};
    RemoteBuffer buffer(m_process.hProcess, sizeof rect);
    buffer.Write(0, &rect, sizeof rect);
    if (!SendMessageA(bar, TB_GETITEMRECT, index, (LPARAM)buffer.At(0)))
        return RECT{};
    buffer.Read(0, &rect, sizeof rect);
    MapWindowPoints(bar, nullptr, (POINT*)&rect, 2);
    return rect;
}
HWND FocusOf(HWND anyWindowOfTheThread)
{
    GUITHREADINFO info = {sizeof info};
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfTheThread, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}
RECT WindowRect(HWND hwnd)
{
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}
POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
bool ReadPictureColours(const std::string& path, double* pBlack, size_t* pColours)
{
    HBITMAP bitmap = (HBITMAP)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                         LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (bitmap == nullptr)
        return false;
    DIBSECTION dib = {};
    GetObjectA(bitmap, sizeof dib, &dib);
    const int width = dib.dsBm.bmWidth, height = std::abs(dib.dsBm.bmHeight);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    std::vector<DWORD> pixels((size_t)width * height);
    HDC dc = GetDC(nullptr);
    const bool ok = GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) > 0;
    ReleaseDC(nullptr, dc);
    DeleteObject(bitmap);
    if (!ok || pixels.empty())
        return false;
    std::set<DWORD> colours;
    size_t black = 0;
    for (DWORD pixel : pixels)
    {
        pixel &= 0xFFFFFF;
        colours.insert(pixel);
        black += pixel == 0;
    }
    *pBlack = (double)black / pixels.size();
    *pColours = colours.size();
    return true;
}
