#include "ui/controls/customize/CTavoPImagePaintArea.h"
#include "ui/controls/customize/CTavoPImageEditorDlg.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "res/LibraryIds.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPImagePaintArea, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPImagePaintArea, CButton)

namespace {

// Selects the edited bitmap into the memory DC for the life of the object: the bitmap can be in
// only one DC at a time, and the dialog draws and copies it too.
class BitmapSelection
{
public:
    BitmapSelection(CDC& dc, CBitmap* pBitmap) : m_dc(dc), m_pOld(dc.SelectObject(pBitmap)) {}
    ~BitmapSelection()
    {
        if (m_pOld != nullptr)
            m_dc.SelectObject(m_pOld);
    }
    BOOL IsSelected() const { return m_pOld != nullptr; }

private:
    CDC& m_dc;
    CBitmap* m_pOld;
};

} // namespace

CTavoPImagePaintArea::CTavoPImagePaintArea(CTavoPImageEditorDlg* pParentDlg)
    : m_rectParentPreviewArea(0, 0, 0, 0), m_rgbColor(RGB(0, 0, 0)), m_sizeImage(0, 0),
      m_pBitmap(nullptr), m_Mode(ToolPencil), m_sizeCell(0, 0), m_pParentDlg(pParentDlg),
      m_rectDraw(0, 0, 0, 0)
{
    for (HCURSOR& hcur : m_hcurs)
        hcur = nullptr;
    m_memDC.CreateCompatibleDC(nullptr);
    m_penDraw.CreatePen(PS_SOLID, 1, m_rgbColor);
}

CTavoPImagePaintArea::~CTavoPImagePaintArea()
{
    for (HCURSOR hcur : m_hcurs)
        if (hcur != nullptr)
            ::DestroyCursor(hcur);
    m_penDraw.DeleteObject();
    m_penStretch.DeleteObject();
    m_memDC.DeleteDC();
}

void CTavoPImagePaintArea::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    static const UINT kCursors[ToolCount] = {IDC_TAVOP_CURSOR_PENCIL,  IDC_TAVOP_CURSOR_FILL,
                                             IDC_TAVOP_CURSOR_LINE,    IDC_TAVOP_CURSOR_RECTANGLE,
                                             IDC_TAVOP_CURSOR_ELLIPSE, IDC_TAVOP_CURSOR_PICK};
    CTavoPResourceScope scope;
    for (int i = 0; i < ToolCount; i++)
        if (m_hcurs[i] == nullptr)
            m_hcurs[i] = (HCURSOR)::LoadImage(::GetModuleHandle(nullptr),
                                              MAKEINTRESOURCE(kCursors[i]), IMAGE_CURSOR, 0, 0, 0);
}

void CTavoPImagePaintArea::SetBitmap(CBitmap* pBitmap)
{
    m_pBitmap = pBitmap;
    BITMAP bmp = {};
    if (pBitmap == nullptr || pBitmap->GetBitmap(&bmp) == 0 || bmp.bmWidth <= 0 ||
        bmp.bmHeight <= 0)
    {
        m_pBitmap = nullptr;
        m_sizeImage = m_sizeCell = CSize(0, 0);
    }
    else
    {
        m_sizeImage = CSize(bmp.bmWidth, bmp.bmHeight);
        CRect rectClient(0, 0, 0, 0);
        if (GetSafeHwnd() != nullptr)
            GetClientRect(rectClient);
        // A client area smaller than the image gives cells of 0: nothing can be drawn then.
        m_sizeCell = CSize(std::max(0, (int)(rectClient.Width() - 2) / (int)m_sizeImage.cx),
                           std::max(0, (int)(rectClient.Height() - 2) / (int)m_sizeImage.cy));
    }

    m_penStretch.DeleteObject();
    m_penStretch.CreatePen(PS_SOLID, std::max(1, (int)std::min(m_sizeCell.cx, m_sizeCell.cy)),
                           ::GetSysColor(COLOR_BTNTEXT));
}

void CTavoPImagePaintArea::SetColor(COLORREF color)
{
    m_rgbColor = color;
    m_penDraw.DeleteObject();
    m_penDraw.CreatePen(PS_SOLID, 1, CTavoPToolbarImageList::MapToSysColor(color));
}

BOOL CTavoPImagePaintArea::CanDraw() const
{
    return m_pBitmap != nullptr && m_sizeCell.cx > 0 && m_sizeCell.cy > 0;
}

CRect CTavoPImagePaintArea::GetGridRect() const
{
    CRect rect(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(rect);
    rect.DeflateRect(1, 1);
    rect.right = rect.left + m_sizeImage.cx * m_sizeCell.cx;
    rect.bottom = rect.top + m_sizeImage.cy * m_sizeCell.cy;
    return rect;
}

CPoint CTavoPImagePaintArea::ScreenToBitmap(CPoint point) const
{
    if (!CanDraw())
        return CPoint(0, 0);
    const int x = (point.x - 1) / m_sizeCell.cx;
    const int y = (point.y - 1) / m_sizeCell.cy;
    return CPoint(std::max(0, std::min((int)m_sizeImage.cx - 1, x)),
                  std::max(0, std::min((int)m_sizeImage.cy - 1, y)));
}

CPoint CTavoPImagePaintArea::BitmapToClient(CPoint point) const
{
    return CPoint(point.x * m_sizeCell.cx + 1 + m_sizeCell.cx / 2,
                  point.y * m_sizeCell.cy + 1 + m_sizeCell.cy / 2);
}

void CTavoPImagePaintArea::InvalidatePreview()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && !m_rectParentPreviewArea.IsRectEmpty())
        pParent->InvalidateRect(m_rectParentPreviewArea);
}

void CTavoPImagePaintArea::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CTavoPGlobalData& data = GetGlobalData();
    const CRect rectItem = lpDIS->rcItem;
    pDC->FillRect(rectItem, &data.brBtnFace);
    if (m_pBitmap == nullptr)
        return;

    CRect rectGrid = rectItem;
    rectGrid.DeflateRect(1, 1);
    rectGrid.right = rectGrid.left + m_sizeImage.cx * m_sizeCell.cx;
    rectGrid.bottom = rectGrid.top + m_sizeImage.cy * m_sizeCell.cy;
    CRect rectFrame = rectGrid;
    rectFrame.InflateRect(1, 1);
    pDC->Draw3dRect(rectFrame, data.clrBtnDkShadow, data.clrBtnHilite);

    // Cells below one pixel have no room for lines or colours.
    if (m_sizeCell.cx <= 0 || m_sizeCell.cy <= 0)
        return;

    CPen penGrid(PS_SOLID, 1, data.clrBtnShadow);
    CPen* pOldPen = pDC->SelectObject(&penGrid);
    for (int x = rectGrid.left + m_sizeCell.cx; x < rectGrid.right; x += m_sizeCell.cx)
    {
        pDC->MoveTo(x, rectGrid.top + 1);
        pDC->LineTo(x, rectGrid.bottom - 1);
    }
    for (int y = rectGrid.top + m_sizeCell.cy; y < rectGrid.bottom; y += m_sizeCell.cy)
    {
        pDC->MoveTo(rectGrid.left + 1, y);
        pDC->LineTo(rectGrid.right - 1, y);
    }
    pDC->SelectObject(pOldPen);

    BitmapSelection selection(m_memDC, m_pBitmap);
    if (!selection.IsSelected())
        return;
    for (int x = 0; x < m_sizeImage.cx; x++)
        for (int y = 0; y < m_sizeImage.cy; y++)
        {
            const COLORREF color = CTavoPToolbarImageList::MapFromSysColor(m_memDC.GetPixel(x, y));
            if (color == (COLORREF)-1)
                continue;
            CRect rectCell(rectGrid.left + x * m_sizeCell.cx, rectGrid.top + y * m_sizeCell.cy,
                           rectGrid.left + (x + 1) * m_sizeCell.cx,
                           rectGrid.top + (y + 1) * m_sizeCell.cy);
            rectCell.DeflateRect(1, 1);
            pDC->FillSolidRect(rectCell, color);
        }
}

void CTavoPImagePaintArea::DrawPixel(CPoint ptBitmap)
{
    {
        CClientDC dc(this);
        CRect rectCell(ptBitmap.x * m_sizeCell.cx + 1, ptBitmap.y * m_sizeCell.cy + 1,
                       (ptBitmap.x + 1) * m_sizeCell.cx + 1, (ptBitmap.y + 1) * m_sizeCell.cy + 1);
        rectCell.DeflateRect(1, 1);
        dc.FillSolidRect(rectCell, m_rgbColor);
    }
    BitmapSelection selection(m_memDC, m_pBitmap);
    if (selection.IsSelected())
        m_memDC.SetPixel(ptBitmap.x, ptBitmap.y, CTavoPToolbarImageList::MapToSysColor(m_rgbColor));
    InvalidatePreview();
}

void CTavoPImagePaintArea::DrawShapeOnScreen(const CRect& rectShape)
{
    CClientDC dc(this);
    CRect rectClip = GetGridRect();
    rectClip.DeflateRect(1, 1);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(rectClip);
    dc.SelectClipRgn(&rgn);

    CPen* pOldPen = dc.SelectObject(&m_penStretch);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    const int nOldRop = dc.SetROP2(R2_NOT);

    const CPoint ptStart = BitmapToClient(rectShape.TopLeft());
    const CPoint ptEnd = BitmapToClient(rectShape.BottomRight());
    switch (m_Mode)
    {
    case ToolLine:
        dc.MoveTo(ptStart);
        dc.LineTo(ptEnd);
        break;
    case ToolRectangle: dc.Rectangle(CRect(ptStart, ptEnd)); break;
    case ToolEllipse: dc.Ellipse(CRect(ptStart, ptEnd)); break;
    default: break;
    }

    dc.SetROP2(nOldRop);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
    dc.SelectClipRgn(nullptr);
}

void CTavoPImagePaintArea::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!CanDraw())
        return;
    const CPoint ptBitmap = ScreenToBitmap(point);
    switch (m_Mode)
    {
    case ToolPencil: DrawPixel(ptBitmap); break;
    case ToolLine:
    case ToolRectangle:
    case ToolEllipse: m_rectDraw = CRect(ptBitmap, ptBitmap); break;
    default: break;
    }
    SetCapture();
}

void CTavoPImagePaintArea::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) == 0 || !CanDraw())
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::max((int)rectClient.left, std::min((int)rectClient.right - 1, (int)point.x));
    point.y = std::max((int)rectClient.top, std::min((int)rectClient.bottom - 1, (int)point.y));
    const CPoint ptBitmap = ScreenToBitmap(point);

    switch (m_Mode)
    {
    case ToolPencil: DrawPixel(ptBitmap); break;
    case ToolLine:
    case ToolRectangle:
    case ToolEllipse:
        if (m_rectDraw.TopLeft() != m_rectDraw.BottomRight())
            DrawShapeOnScreen(m_rectDraw);
        m_rectDraw.right = ptBitmap.x;
        m_rectDraw.bottom = ptBitmap.y;
        if (m_rectDraw.TopLeft() != m_rectDraw.BottomRight())
            DrawShapeOnScreen(m_rectDraw);
        break;
    default: break;
    }
}

void CTavoPImagePaintArea::DrawShapeIntoBitmap(CDC& dc)
{
    CPen* pOldPen = dc.SelectObject(&m_penDraw);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    switch (m_Mode)
    {
    case ToolLine:
        dc.MoveTo(m_rectDraw.left, m_rectDraw.top);
        dc.LineTo(m_rectDraw.right, m_rectDraw.bottom);
        break;
    case ToolRectangle: dc.Rectangle(m_rectDraw); break;
    case ToolEllipse: dc.Ellipse(m_rectDraw); break;
    default: break;
    }
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

void CTavoPImagePaintArea::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!CanDraw())
        return;

    // Rectangles and ellipses take in the cell at their far edges too.
    if (m_Mode == ToolRectangle || m_Mode == ToolEllipse)
    {
        if (m_rectDraw.top != m_rectDraw.bottom)
        {
            if (m_rectDraw.bottom > m_rectDraw.top)
                m_rectDraw.bottom++;
            else
                m_rectDraw.top++;
        }
        if (m_rectDraw.left != m_rectDraw.right)
        {
            if (m_rectDraw.right > m_rectDraw.left)
                m_rectDraw.right++;
            else
                m_rectDraw.left++;
        }
    }

    const CPoint ptBitmap = ScreenToBitmap(point);
    const BOOL bShape = m_rectDraw.TopLeft() != m_rectDraw.BottomRight();
    switch (m_Mode)
    {
    case ToolPencil: DrawPixel(ptBitmap); break;
    case ToolFill:
    {
        BitmapSelection selection(m_memDC, m_pBitmap);
        if (selection.IsSelected())
        {
            CBrush brush(CTavoPToolbarImageList::MapToSysColor(m_rgbColor));
            CBrush* pOldBrush = m_memDC.SelectObject(&brush);
            ::ExtFloodFill(m_memDC.m_hDC, ptBitmap.x, ptBitmap.y, m_memDC.GetPixel(ptBitmap),
                           FLOODFILLSURFACE);
            m_memDC.SelectObject(pOldBrush);
        }
        Invalidate();
        InvalidatePreview();
        return;
    }
    case ToolLine:
    case ToolRectangle:
    case ToolEllipse:
        if (bShape)
        {
            BitmapSelection selection(m_memDC, m_pBitmap);
            if (selection.IsSelected())
                DrawShapeIntoBitmap(m_memDC);
        }
        // A line ends on its last pixel, which the pen leaves out; a click without moving
        // sets one pixel.
        if (m_Mode == ToolLine || !bShape)
            DrawPixel(ptBitmap);
        break;
    case ToolPickColor:
        if (m_pParentDlg != nullptr)
        {
            BitmapSelection selection(m_memDC, m_pBitmap);
            const COLORREF color = selection.IsSelected() ? m_memDC.GetPixel(ptBitmap) : 0;
            m_pParentDlg->SetColor(color);
        }
        return;
    default: break;
    }

    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    InvalidatePreview();
    m_rectDraw.SetRectEmpty();
}

void CTavoPImagePaintArea::OnCancelMode()
{
    CButton::OnCancelMode();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CTavoPImagePaintArea::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_Mode >= 0 && m_Mode < ToolCount && m_hcurs[m_Mode] != nullptr)
    {
        ::SetCursor(m_hcurs[m_Mode]);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CTavoPImagePaintArea::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}
