// The edit of the keyboard page that records a pressed key combination instead of typed text and shows it as shortcut text.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"

class CTavoPShortcutKeyEdit : public CEdit
{
    DECLARE_DYNAMIC(CTavoPShortcutKeyEdit)
public:
    CTavoPShortcutKeyEdit();
    virtual ~CTavoPShortcutKeyEdit();

    // Forgets the combination and empties the window.
    void ResetKey();

    // The combination so far; usable once IsKeyDefined is TRUE. The command is always 0.
    const ACCEL& GetAccel() const { return m_Accel; }
    BOOL IsKeyDefined() const { return m_bIsDefined; }

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void SetModifier(BYTE fFlag, BOOL bPressed);

    ACCEL m_Accel;
    CTavoPAcceleratorText m_Helper; // bound to m_Accel
    BOOL m_bIsDefined;              // a non-modifier key finished the combination
    BOOL m_bIsFocused;              // armed: the next non-modifier key counts

public:
    void OnKillFocus(CWnd* pNewWnd);

protected:
    DECLARE_MESSAGE_MAP()
};
