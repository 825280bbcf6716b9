// The keyboard manager: the editable shortcut tables of the main frame and the document templates, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPKeyboardManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPKeyboardManager)
public:
    CTavoPKeyboardManager();
    virtual ~CTavoPKeyboardManager();

    // Each multi-document template's table, then the frame's (the main frame when none is given);
    // only tables that exist are replaced or stored. Both always succeed.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);

    // Makes a table of the entries and installs it on the template, else on the frame (the main
    // frame when none is given). No entries make a table that does nothing.
    BOOL UpdateAccelTable(CMultiDocTemplate* pTemplate, const ACCEL* lpAccel, int nSize,
                          CFrameWnd* pDefaultFrame = nullptr);
    // Installs hAccelNew in place of the target's table (and of the template's frames that share
    // it), then destroys the old table.
    BOOL SetAccelTable(CMultiDocTemplate* pTemplate, HACCEL hAccelNew,
                       CFrameWnd* pDefaultFrame = nullptr);
    // Every table back to the one of the resources.
    void ResetAll();

    // The table under lpszProfileName + "TavoKeyboard-<uiResId>", value "Accelerators".
    static BOOL SaveAccelTable(LPCTSTR lpszProfileName, UINT uiResId, HACCEL hAccelTable);
    static BOOL LoadAccelTable(LPCTSTR lpszProfileName, UINT uiResId, HACCEL& hAccelTable);

    // The text of the first shortcut of the command in the frame's table. bIsTopLevel picks the
    // cache of the top-level frame, else that of the active frame.
    static BOOL GetShortcutText(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                BOOL bIsTopLevel = TRUE);
    // Whether the key with the flags (FVIRTKEY, FSHIFT, FCONTROL, FALT) is in the frame's table.
    static BOOL FindDefaultAccelerator(ULONG uiKey, UINT uiFlags, CFrameWnd* pWndFrame,
                                       BOOL bIsTopLevel = TRUE);
    // The character a key stands for when matched against mnemonics.
    static UINT TranslateCharToUpper(UINT nChar);
    // Frees the cached copies of accelerator tables; the library clean-up calls it at exit.
    static void CleanUp();

    // Letter keys go through the keyboard layout as well when set (off by default).
    static BOOL m_bAllTranslateCharToUpper;

protected:
    // The table the registry path names; with none, the library's own section.
    static CString RegistryPath(LPCTSTR lpszProfileName);
    // The frame given, else the main window when it is a frame window.
    static CFrameWnd* TargetFrame(CFrameWnd* pDefaultFrame);
};
