// Counts of a process's GDI objects and windows, read from the platform's own tables (Wine's GetGuiResources counts nothing).
#pragma once
#include <windows.h>
#include <map>

class GuiObjects
{
public:
    // GDI objects the process holds now, stock objects left out; -1 when they cannot be read.
    static int GdiCount(HANDLE process);
    // The same by kind (the handle table's kind byte: 0x01 DC, 0x08 palette, 0x09 bitmap,
    // 0x0a font, 0x10 brush, 0x30 pen, ...); empty when they cannot be read.
    static std::map<int, int> GdiKinds(HANDLE process);
    // Windows of the process, top-level and children, shown or hidden.
    static int WindowCount(DWORD processId);
};
