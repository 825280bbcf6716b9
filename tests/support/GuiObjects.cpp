#include "tests/support/GuiObjects.h"
#include <winternl.h>
#include <vector>

namespace {

// One entry of the per-process GDI handle table that the process environment block points
// to (its field at 0xF8 on x64): the kernel object, the owner, then type bytes.
struct HandleEntry
{
    UINT64 object;
    ULONG owner;
    UCHAR type; // kind, with 0x80 set for stock objects
    UCHAR unique;
    UCHAR extType; // zero once the handle is freed
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(HandleEntry) == 24, "GDI handle table entries are 24 bytes on x64");
const size_t kHandleCount = 0x10000;
const size_t kTableOffsetInPeb = 0xF8;

bool ReadTable(HANDLE process, std::vector<HandleEntry>& table)
{
    PROCESS_BASIC_INFORMATION info = {};
    ULONG got = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &got) != 0)
        return false;
    UINT64 address = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, (char*)info.PebBaseAddress + kTableOffsetInPeb, &address,
                           sizeof address, &read) ||
        address == 0)
        return false;
    table.resize(kHandleCount);
    return ReadProcessMemory(process, (const void*)(UINT_PTR)address, table.data(),
                             table.size() * sizeof(HandleEntry), &read) != FALSE;
}

bool Live(const HandleEntry& e, DWORD processId)
{
    // On Windows the table is shared by all processes and the owner tells them apart;
    // Wine keeps one table per process and leaves the owner zero.
    DWORD owner = e.owner & 0xFFFC;
    return e.extType != 0 && !(e.type & 0x80) && (owner == 0 || owner == (processId & 0xFFFC));
}

} // namespace

std::map<int, int> GuiObjects::GdiKinds(HANDLE process)
{
    std::map<int, int> kinds;
    std::vector<HandleEntry> table;
    if (!ReadTable(process, table))
        return kinds;
    DWORD processId = GetProcessId(process);
    for (const HandleEntry& e : table)
        if (Live(e, processId))
            ++kinds[e.type & 0x7F];
    return kinds;
}

int GuiObjects::GdiCount(HANDLE process)
{
    std::vector<HandleEntry> table;
    if (!ReadTable(process, table))
        return -1;
    DWORD processId = GetProcessId(process);
    int count = 0;
    for (const HandleEntry& e : table)
        count += Live(e, processId) ? 1 : 0;
    return count;
}

namespace {

struct WindowSearch
{
    DWORD processId;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++((WindowSearch*)param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param)
{
    WindowSearch* search = (WindowSearch*)param;
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == search->processId)
    {
        ++search->count;
        EnumChildWindows(hwnd, CountChild, param); // every descendant, not only direct children
    }
    return TRUE;
}

} // namespace

int GuiObjects::WindowCount(DWORD processId)
{
    WindowSearch search = {processId, 0};
    EnumWindows(CountTopLevel, (LPARAM)&search);
    return search.count;
}
