// The keyboard manager: the editable shortcut tables of the main frame and the document templates, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPKeyboardManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPKeyboardManager)
public:
    CTavoPKeyboardManager();
    virtual ~CTavoPKeyboardManager();

    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);

    // Frees the cached copies of accelerator tables; the library clean-up calls it at exit.
    static void CleanUp();
};
