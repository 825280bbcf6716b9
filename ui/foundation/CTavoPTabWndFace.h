// What a tab window tells the visual manager that draws its tabs.
#pragma once
#include "framework/FrameworkCore.h"

#include <commctrl.h>

class CTavoPTabWndFace
{
public:
    virtual ~CTavoPTabWndFace() {}

    virtual BOOL IsFlatTab() const { return FALSE; }
    virtual BOOL IsLocationBottom() const { return FALSE; }
    virtual BOOL IsNoPrefix() const { return FALSE; }
    virtual int GetActiveTab() const { return -1; }
    virtual int GetTabsNum() const { return 0; }

    virtual CString GetTabLabel(int iTab) const { return CString(); }
    // -1: the tab has no colour of its own.
    virtual COLORREF GetTabBkColor(int iTab) const { return (COLORREF)-1; }
    virtual COLORREF GetTabTextColor(int iTab) const { return (COLORREF)-1; }

    virtual HICON GetTabHicon(int iTab) const { return NULL; }
    virtual int GetTabImage(int iTab) const { return -1; }
    virtual HIMAGELIST GetImageList() const { return NULL; }
    virtual CSize GetImageSize() const { return CSize(0, 0); }
    virtual int GetTabImageMargin() const { return 4; }
    // How far above its top an active bottom tab is filled (1 or 2).
    virtual int GetActiveTabRise() const { return 1; }
};
