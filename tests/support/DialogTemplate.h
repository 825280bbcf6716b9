// Builds dialog templates in memory, so that tests can run dialogs without resource files.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class DialogTemplate
{
public:
    // A popup dialog in dialog units, with the given caption, "MS Shell Dlg" 9 point.
    DialogTemplate(const char* caption, short cx, short cy,
                   DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);

    // Predefined classes: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0083 list box, 0x0085 combo box.
    DialogTemplate& Add(WORD classAtom, WORD id, const char* text, DWORD style, short x, short y,
                        short cx, short cy);
    // A control of a registered class by name (for example "SysListView32").
    DialogTemplate& Add(const char* className, WORD id, const char* text, DWORD style, short x,
                        short y, short cx, short cy);

    LPCDLGTEMPLATE Get();

private:
    void AlignToDword();
    void AppendItemHeader(WORD id, DWORD style, short x, short y, short cx, short cy);
    void AppendString(const char* text);
    std::vector<WORD> m_words;
    size_t m_countIndex;
};
