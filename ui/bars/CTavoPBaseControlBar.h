// The root of every bar window: bar style, docking sides and the operations every bar answers whatever its kind.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDockBar;
class CTavoPDockBarRow;
class CTavoPMiniFrameWnd;

// Behaviour flags given at creation.
#define TAVOP_CBRS_FLOAT 0x1
#define TAVOP_CBRS_CLOSE 0x8

class CTavoPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CTavoPBaseControlBar)
public:
    CTavoPBaseControlBar();
    virtual ~CTavoPBaseControlBar();

    virtual BOOL IsHorizontal() const { return (m_dwBarStyle & CBRS_ORIENT_HORZ) != 0; }
    // FALSE when the bar sits alone in a floating mini frame.
    virtual BOOL IsDocked() const;
    virtual BOOL IsFloating() const { return !IsDocked(); }
    virtual DWORD GetCurrentAlignment() const { return m_dwBarStyle & CBRS_ALIGN_ANY; }
    virtual DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    virtual CFrameWnd* GetDockSiteFrame() const;
    virtual CTavoPDockBar* GetParentDockBar() const { return NULL; }
    virtual DWORD GetBarStyle() const { return m_dwBarStyle; }
    virtual BOOL CanBeClosed() const { return (m_dwControlBarBehaviour & TAVOP_CBRS_CLOSE) != 0; }
    virtual BOOL CanFloat() const { return (m_dwControlBarBehaviour & TAVOP_CBRS_FLOAT) != 0; }
    virtual void SetCurrentAlignment(DWORD dwAlignment);
    virtual void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    virtual void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment; }
    virtual void AdjustLayout() {}
    // The first ancestor that is a mini frame, else null.
    virtual CTavoPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const;
    // nIndex -1 stands for the bar's own control ID.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1,
                           UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1,
                           UINT uiID = (UINT)-1);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {}
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC) {}

    CTavoPDockBarRow* GetDockRow() const { return NULL; }

    virtual void Serialize(CArchive& ar) override;

protected:
    DWORD m_dwEnabledAlignment;
    DWORD m_dwBarStyle;            // CBRS_ bits: alignment, borders, floating, gripper
    DWORD m_dwControlBarBehaviour; // TAVOP_CBRS_ bits given at creation

public:
    void OnPaint();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
