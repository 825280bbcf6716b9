#include "tests/app/VorlenDriving.h"
#include <algorithm>

const char* const kVorlenMainTitle = "Vorlen v1.0";
const char* const kVorlenLoginTitle = "登陆对话框";

void PressDialogButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void SetDialogItemText(HWND dialog, int id, const char* text)
{
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text, SMTO_ABORTIFHUNG, 2000,
                        nullptr);
}

HWND StartAndLogIn(VorlenProcess& vorlen)
{
    if (!vorlen.Start())
        return nullptr;
    HWND login = vorlen.WaitWindow(kVorlenLoginTitle, kVorlenStartTimeout);
    if (login == nullptr)
        return nullptr;
    SetDialogItemText(login, 1050, "管理员");
    SetDialogItemText(login, 1053, "739");
    PressDialogButton(login, IDOK);
    return vorlen.WaitWindow(kVorlenMainTitle, kVorlenStartTimeout);
}

void PressKeys(const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
    {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    {
        INPUT up = {};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
}

namespace {

void Settle(HANDLE process, DWORD pause)
{
    if (process != nullptr)
        WaitForInputIdle(process, 2000);
    Sleep(pause);
}

} // namespace

void MouseTo(POINT point, HANDLE process)
{
    // Rounded up, so that the platform's scaling back lands on the very pixel.
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)(((LONGLONG)point.x * 65536 + width - 1) / width);
    input.mi.dy = (LONG)(((LONGLONG)point.y * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Settle(process, 15);
}

void LeftButton(bool down, HANDLE process)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Settle(process, 50);
}

void DragMouse(POINT from, POINT to, HANDLE process)
{
    MouseTo(from, process);
    LeftButton(true, process);
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 8 + 1;
    for (int i = 1; i <= steps; ++i)
        MouseTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps},
                process);
    Sleep(100);
    LeftButton(false, process);
    Sleep(200);
}

void DoubleClick(POINT point)
{
    MouseTo(point);
    for (int i = 0; i < 2; ++i)
    {
        INPUT clicks[2] = {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
        Sleep(30);
    }
    Sleep(300);
}

std::string WindowsPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// Wine does not wait for the end of a Unix program, so the command leaves a mark when it is
// done (the mark is a Unix path).
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

// Wine draws every window on the display, while a capture from inside Wine reads the window of
// another process as black.
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
