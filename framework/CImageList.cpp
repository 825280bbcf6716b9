#include "framework/CImageList.h"
#include "framework/CDC.h"
#include "framework/CBitmap.h"
#include "framework/CWnd.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {
HandleMap<HIMAGELIST, CImageList>& Maps()
{
    static HandleMap<HIMAGELIST, CImageList> maps;
    return maps;
}
}

CImageList::CImageList() : m_hImageList(nullptr)
{}

CImageList::~CImageList()
{
    DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    return this == nullptr ? nullptr : m_hImageList;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return nullptr;
    if (CImageList* p = Maps().LookupPermanent(hImageList))
        return p;
    if (CImageList* p = Maps().LookupTemporary(hImageList))
        return p;
    CImageList* p = new CImageList;
    p->m_hImageList = hImageList;
    Maps().SetTemporary(hImageList, p);
    return p;
}

void PASCAL CImageList::DeleteTempMap()
{
    Maps().DeleteTemporaries([](CImageList* p) {
        p->m_hImageList = nullptr;
        delete p;
    });
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImage(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    return pImageList != nullptr && Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    if (m_hImageList != nullptr && m_hImageList != hImageList)
        DeleteImageList();
    m_hImageList = hImageList;
    Maps().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != nullptr)
        Maps().RemovePermanent(h, this);
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}
BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const
{
    return ImageList_GetIconSize(m_hImageList, cx, cy);
}
COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}
COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}
BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}
HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_ExtractIcon(nullptr, m_hImageList, nImage);
}
BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}
void PASCAL CImageList::EndDrag()
{
    ImageList_EndDrag();
}
BOOL PASCAL CImageList::DragMove(CPoint pt)
{
    return ImageList_DragMove(pt.x, pt.y);
}

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot)
{
    return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

BOOL PASCAL CImageList::DragShowNolock(BOOL bShow)
{
    return ImageList_DragShowNolock(bShow);
}
BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr, point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr);
}
