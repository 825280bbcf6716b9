// A small floating frame (tool window) such as a popup menu or a drop-down: a frame without menu, view or client edge.
#pragma once
#include "framework/CFrameWnd.h"

// Styles of the mini frame kept in the low word of the window style.
#ifndef MFS_SYNCACTIVE
#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L
#endif

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    virtual ~CMiniFrameWnd();

    virtual BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = nullptr, UINT nID = 0);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd = nullptr, UINT nID = 0);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Whether the mini frame's own styles asked for a sizing border.
    BOOL IsSizable() const { return (m_dwMiniStyle & (MFS_THICKFRAME | MFS_4THICKFRAME)) != 0; }

protected:
    DWORD m_dwMiniStyle;
};
