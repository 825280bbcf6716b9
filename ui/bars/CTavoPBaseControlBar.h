// The root of every bar window: bar style, docking alignments, behaviour flags and the questions every bar answers whatever its kind.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMiniFrameWnd;

// Behaviour flags given to a bar at creation.
#define TAVOP_CBRS_FLOAT 0x1
#define TAVOP_CBRS_CLOSE 0x8

class CTavoPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CTavoPBaseControlBar)
public:
    CTavoPBaseControlBar();
    virtual ~CTavoPBaseControlBar();

    // FALSE when the bar sits alone in a floating mini frame.
    virtual BOOL IsDocked() const;
    virtual BOOL IsFloating() const;
    virtual DWORD GetBarStyle() const { return m_dwBarStyle; }
    virtual BOOL CanFloat() const;
    virtual void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    // The first ancestor that is a mini frame, else null.
    virtual CTavoPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const;
    // nIndex -1 stands for the bar's own control ID.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1,
                           UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1,
                           UINT uiID = (UINT)-1);

protected:
    DWORD m_dwBarStyle;            // CBRS_ bits: alignment, borders, floating, gripper
    DWORD m_dwControlBarBehaviour; // TAVOP_CBRS_ bits given at creation
};
