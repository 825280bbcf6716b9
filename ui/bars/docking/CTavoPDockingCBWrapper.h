// The docking pane that adopts any one window and makes it dockable, keeping it over its client area; its caption is kept in the registry.
#pragma once
#include "ui/bars/docking/CTavoPDockingControlBar.h"

class CTavoPDockingCBWrapper : public CTavoPDockingControlBar
{
    DECLARE_SERIAL(CTavoPDockingCBWrapper)
public:
    CTavoPDockingCBWrapper();
    virtual ~CTavoPDockingCBWrapper();

    // pWnd becomes the wrapper's child; a bar hands over its alignments and styles, a plain
    // window gets every side. TRUE.
    virtual BOOL SetWrappedWnd(CWnd* pWnd);
    virtual CWnd* GetWrappedWnd() const { return m_pWnd; }

    // "%sTavoPDockingCBWrapper-%d" (with "%x" for a sub-index) holds "BarName", the caption.
    // A missing key: FALSE and nothing loaded.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;

    // The rectangle a new wrapper is made with, (30, 30, 180, 180) to begin with.
    const CRect& GetInitialRect() const { return m_rectInitial; }
    void SetInitialRect(const CRect& rect) { m_rectInitial = rect; }
    // The sides a plain wrapped window may dock to.
    DWORD GetDefaultAlignment() const { return m_dwDefaultAlignment; }
    void SetDefaultAlignment(DWORD dwAlignment) { m_dwDefaultAlignment = dwAlignment; }

    // A wrapper that a tab window made for a plain window deletes itself with its window.
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }

    void OnSize(UINT nType, int cx, int cy);

protected:
    CRect m_rectInitial;
    DWORD m_dwDefaultAlignment;
    CWnd* m_pWnd; // not owned
    BOOL m_bAutoDestroy;

    virtual void PostNcDestroy() override;

    // The wrapper's registry key for the state of this bar.
    CString GetStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) const;

    DECLARE_MESSAGE_MAP()
};
