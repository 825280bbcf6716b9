// The root of every bar window: bar style, docking sides and the operations every bar answers whatever its kind.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/foundation/CTavoPWndFace.h"

class CTavoPDockBar;
class CTavoPDockBarRow;
class CTavoPMiniFrameWnd;

// Behaviour flags given at creation.
#define TAVOP_BAR_CAN_FLOAT 0x1
#define TAVOP_BAR_CAN_CLOSE 0x8

class CTavoPBaseControlBar : public CWnd, public CTavoPWndFace
{
    DECLARE_DYNAMIC(CTavoPBaseControlBar)
public:
    CTavoPBaseControlBar();
    virtual ~CTavoPBaseControlBar();

    virtual BOOL IsHorizontal() const { return (m_dwBarStyle & CBRS_ORIENT_HORZ) != 0; }
    virtual BOOL IsDocked() const { return !IsFloating(); }
    virtual BOOL IsFloating() const override { return GetParentMiniFrame() != NULL; }
    virtual DWORD GetCurrentAlignment() const { return m_dwBarStyle & CBRS_ALIGN_ANY; }
    virtual DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    virtual CFrameWnd* GetDockSiteFrame() const;
    virtual CTavoPDockBar* GetParentDockBar() const { return NULL; }
    virtual DWORD GetBarStyle() const override { return m_dwBarStyle; }
    virtual BOOL CanBeClosed() const { return (m_dwBehaviour & TAVOP_BAR_CAN_CLOSE) != 0; }
    virtual BOOL CanFloat() const override { return (m_dwBehaviour & TAVOP_BAR_CAN_FLOAT) != 0; }
    virtual void SetCurrentAlignment(DWORD dwAlignment);
    virtual void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    virtual void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment; }
    virtual void AdjustLayout() {}
    virtual CTavoPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const { return NULL; }
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1)
    {
        return TRUE;
    }
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1)
    {
        return TRUE;
    }
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {}
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC) {}

    CTavoPDockBarRow* GetDockRow() const { return NULL; }

    virtual void Serialize(CArchive& ar) override;

protected:
    DWORD m_dwEnabledAlignment;
    DWORD m_dwBarStyle;  // CBRS_ bits: alignment, borders, floating, gripper
    DWORD m_dwBehaviour; // TAVOP_BAR_ bits

public:
    void OnPaint();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
