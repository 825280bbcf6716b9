// Image-list wrapper: owns one common-controls image list.
#pragma once
#include "framework/FrameworkCore.h"
#include <commctrl.h>
// ExtractIcon is a macro of the shell header: seen the same way by every includer.
#include <shellapi.h>

class CDC;
class CBitmap;
class CWnd;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    HIMAGELIST m_hImageList;

    CImageList();
    virtual ~CImageList();

    operator HIMAGELIST() const { return m_hImageList; }
    // Null when called through a null pointer.
    HIMAGELIST GetSafeHandle() const;
    // The permanent wrapper, or a temporary one freed at idle time (DeleteTempMap).
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A masked list from a bitmap resource of the program, crMask being transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(CImageList* pImageList);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL GetIconSize(int* cx, int* cy) const;
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF cr);

    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    HICON ExtractIcon(int nImage);
    BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
    BOOL SetOverlayImage(int nImage, int nOverlay);

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);

    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void PASCAL EndDrag();
    static BOOL PASCAL DragMove(CPoint pt);
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot);
    static BOOL PASCAL DragShowNolock(BOOL bShow);
    // A null window locks the desktop.
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);

private:
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
};
