// One user tool: an external program or document bound to a command, with its label, arguments, directory and icon.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPUserTool : public CObject
{
    DECLARE_SERIAL(CTavoPUserTool)
public:
    CTavoPUserTool();
    // Destroys the icon unless it is the shared default one.
    virtual ~CTavoPUserTool();

    // Label, command, arguments, directory, command ID.
    virtual void Serialize(CArchive& ar) override;
    // Opens the command through the shell; FALSE for an empty command or a shell failure.
    virtual BOOL Invoke();

    // Nonzero when the command changed; a new command brings its own icon.
    BOOL SetCommand(LPCTSTR lpszCmd);
    const CString& GetCommand() const { return m_strCommand; }
    HICON GetIcon() const { return m_hIcon; }

    // The icon drawn centred in the rectangle, clipped at its left and top edges.
    void DrawToolIcon(CDC* pDC, const CRect& rectImage);
    BOOL CopyIconToClipboard();

    CString m_strLabel;
    CString m_strArguments;
    CString m_strInitialDirectory;
    UINT m_uiCmdId;

protected:
    // The shell's small icon of the command's file, else the default icon.
    virtual HICON LoadToolIcon();
    // Shared by every tool and kept for the life of the process.
    virtual HICON GetDefaultIcon();
    virtual void DestroyToolIcon();

    CString m_strCommand;
    HICON m_hIcon;
};
