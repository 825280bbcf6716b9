#include "ui/controls/customize/CTavoPImageEditorDlg.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "res/LibraryIds.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPImageEditorDlg, CDialog)
    ON_WM_PAINT()
    ON_BN_CLICKED(ID_TAVOP_IMAGE_CLEAR, OnToolClear)
    ON_BN_CLICKED(ID_TAVOP_IMAGE_COPY, OnToolCopy)
    ON_BN_CLICKED(ID_TAVOP_IMAGE_PASTE, OnToolPaste)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_IMAGE_PASTE, OnUpdateToolPaste)
    ON_COMMAND(ID_TAVOP_TOOL_PENCIL, OnToolPencil)
    ON_COMMAND(ID_TAVOP_TOOL_FILL, OnToolFill)
    ON_COMMAND(ID_TAVOP_TOOL_LINE, OnToolLine)
    ON_COMMAND(ID_TAVOP_TOOL_RECTANGLE, OnToolRectangle)
    ON_COMMAND(ID_TAVOP_TOOL_ELLIPSE, OnToolEllipse)
    ON_COMMAND(ID_TAVOP_TOOL_PICK, OnToolPickColor)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_PENCIL, OnUpdateToolPencil)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_FILL, OnUpdateToolFill)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_LINE, OnUpdateToolLine)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_RECTANGLE, OnUpdateToolRectangle)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_ELLIPSE, OnUpdateToolEllipse)
    ON_UPDATE_COMMAND_UI(ID_TAVOP_TOOL_PICK, OnUpdateToolPickColor)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_COMMAND(IDC_TAVOP_PALETTE, OnColors)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPImageEditorDlg, CDialog)

namespace {

void ShowMessage(UINT nID)
{
    CTavoPResourceScope scope;
    AfxMessageBox(nID, MB_OK);
}

} // namespace

CTavoPImageEditorDlg::CTavoPImageEditorDlg(CBitmap* pBitmap, CWnd* pParent, int nBitsPixel)
    : CDialog(IDD_TAVOP_IMAGE_EDITOR, pParent), m_wndLargeDrawArea(this), m_pBitmap(pBitmap),
      m_sizeImage(0, 0), m_nBitsPixel(nBitsPixel), m_rectPreviewFrame(0, 0, 0, 0),
      m_rectPreviewImage(0, 0, 0, 0)
{
    BITMAP bmp = {};
    if (pBitmap != nullptr && pBitmap->GetBitmap(&bmp) != 0)
    {
        m_sizeImage = CSize(bmp.bmWidth, bmp.bmHeight);
        if (m_nBitsPixel == -1)
            m_nBitsPixel = bmp.bmBitsPixel;
    }
}

CTavoPImageEditorDlg::~CTavoPImageEditorDlg()
{}

INT_PTR CTavoPImageEditorDlg::DoModal()
{
    CTavoPResourceScope scope;
    return CDialog::DoModal();
}

void CTavoPImageEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_PALETTE, m_wndPaletteBarLocation);
    DDX_Control(pDX, IDC_TAVOP_TOOLS_PLACE, m_wndToolbarLocation);
    DDX_Control(pDX, IDC_TAVOP_PREVIEW, m_wndPreview);
    DDX_Control(pDX, IDC_TAVOP_PAINT_AREA, m_wndLargeDrawArea);
}

BOOL CTavoPImageEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndLargeDrawArea.SetBitmap(m_pBitmap);

    // The tools bar, wrapped three buttons wide inside its place.
    m_wndToolBar.EnableLargeIcons(FALSE);
    if (m_wndToolBar.Create(this, 0x50402808, 0xE800) &&
        m_wndToolBar.LoadToolBar(IDR_TAVOP_IMAGE_EDITOR_TOOLS, 0, 0, TRUE))
    {
        m_wndToolBar.SetBarStyle((m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY) &
                                 ~0x00400F00);
        m_wndToolBar.SetBorders(10, 5, 10, 5);
        int cxButton = m_wndToolBar.GetButtonSize().cx;
        if (cxButton <= 0)
            cxButton = (CTavoPToolBar::IsLargeIcons() ? CTavoPToolBar::GetDefaultButtonSize().cx * 2
                                                      : CTavoPToolBar::GetDefaultButtonSize().cx);
        m_wndToolBar.WrapToolBar(cxButton * 3, 0x7FFF);

        CRect rectTools;
        m_wndToolbarLocation.GetClientRect(rectTools);
        m_wndToolbarLocation.MapWindowPoints(this, rectTools);
        rectTools.DeflateRect(2, 2);
        m_wndToolBar.SetWindowPos(nullptr, rectTools.left, rectTools.top, rectTools.Width(),
                                  rectTools.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndToolBar.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_wndToolBar.SetOwner(this);
    }

    // The colours, four columns in their place; a palette image offers the 16 palette colours.
    CRect rectColors;
    m_wndPaletteBarLocation.GetClientRect(rectColors);
    m_wndPaletteBarLocation.MapWindowPoints(this, rectColors);
    rectColors.DeflateRect(2, 2);
    CPalette* pPalette = nullptr;
    if (m_nBitsPixel <= 8 && CreateSixteenColorPalette(m_palette))
        pPalette = &m_palette;
    if (m_wndPaletteBar.CreateControl(this, rectColors, IDC_TAVOP_PALETTE, 4, pPalette))
        m_wndPaletteBar.SetColor(RGB(0, 0, 0));

    // The true-size preview, centred in its place.
    CRect rectPreview;
    m_wndPreview.GetClientRect(rectPreview);
    m_wndPreview.MapWindowPoints(this, rectPreview);
    const CPoint ptTopLeft(rectPreview.left + (rectPreview.Width() - m_sizeImage.cx) / 2,
                           rectPreview.top + (rectPreview.Height() - m_sizeImage.cy) / 2);
    m_rectPreviewImage = CRect(ptTopLeft, m_sizeImage);
    m_rectPreviewFrame = m_rectPreviewImage;
    m_rectPreviewFrame.InflateRect(4, 4);
    m_wndLargeDrawArea.SetPreviewRect(m_rectPreviewImage);

    m_wndLargeDrawArea.ModifyStyle(WS_TABSTOP, 0);
    return TRUE;
}

void CTavoPImageEditorDlg::SetColor(COLORREF color)
{
    if (m_wndPaletteBar.GetSafeHwnd() != nullptr)
        m_wndPaletteBar.SetColor(color);
    m_wndLargeDrawArea.SetColor(color);
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolPencil);
}

BOOL CTavoPImageEditorDlg::CreateSixteenColorPalette(CPalette& palette)
{
    PALETTEENTRY stock[20] = {};
    if (::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0, 20, stock) != 20)
        return FALSE;
    struct
    {
        LOGPALETTE header;
        PALETTEENTRY more[15];
    } sixteen = {};
    sixteen.header.palVersion = 0x300;
    sixteen.header.palNumEntries = 16;
    PALETTEENTRY* pEntries = sixteen.header.palPalEntry;
    for (int i = 0; i < 8; i++)
    {
        pEntries[i] = stock[i];
        pEntries[8 + i] = stock[12 + i];
    }
    palette.DeleteObject();
    return palette.CreatePalette(&sixteen.header);
}

void CTavoPImageEditorDlg::OnPaint()
{
    CPaintDC dc(this);
    CTavoPGlobalData& data = GetGlobalData();
    dc.Draw3dRect(m_rectPreviewFrame, data.clrBtnHilite, data.clrBtnShadow);
    if (m_pBitmap == nullptr)
        return;

    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc))
        return;
    CBitmap* pOld = dcMem.SelectObject(m_pBitmap);
    if (pOld == nullptr)
        return;
    dc.BitBlt(m_rectPreviewImage.left, m_rectPreviewImage.top, m_sizeImage.cx, m_sizeImage.cy,
              &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CTavoPImageEditorDlg::OnToolClear()
{
    if (m_pBitmap == nullptr)
        return;
    CDC dcMem;
    dcMem.CreateCompatibleDC(nullptr);
    CBitmap* pOld = dcMem.SelectObject(m_pBitmap);
    if (pOld != nullptr)
    {
        dcMem.FillRect(CRect(CPoint(0, 0), m_sizeImage), &GetGlobalData().brBtnFace);
        dcMem.SelectObject(pOld);
    }
    InvalidateRect(m_rectPreviewImage);
    m_wndLargeDrawArea.Invalidate();
}

void CTavoPImageEditorDlg::OnToolCopy()
{
    if (m_pBitmap == nullptr)
        return;
    try
    {
        CClientDC dc(this);
        CDC dcSrc, dcDest;
        CBitmap bitmapCopy;
        BOOL bCopied = dcSrc.CreateCompatibleDC(&dc) && dcDest.CreateCompatibleDC(&dc) &&
                       bitmapCopy.CreateCompatibleBitmap(&dc, m_sizeImage.cx, m_sizeImage.cy);
        if (bCopied)
        {
            CBitmap* pOldSrc = dcSrc.SelectObject(m_pBitmap);
            CBitmap* pOldDest = dcDest.SelectObject(&bitmapCopy);
            bCopied = pOldSrc != nullptr && pOldDest != nullptr &&
                      dcDest.BitBlt(0, 0, m_sizeImage.cx, m_sizeImage.cy, &dcSrc, 0, 0, SRCCOPY);
            if (pOldSrc != nullptr)
                dcSrc.SelectObject(pOldSrc);
            if (pOldDest != nullptr)
                dcDest.SelectObject(pOldDest);
        }
        // The clipboard is closed on every path; the bitmap is the clipboard's once it took it.
        if (bCopied && OpenClipboard())
        {
            bCopied = ::EmptyClipboard() &&
                      ::SetClipboardData(CF_BITMAP, bitmapCopy.m_hObject) != nullptr;
            ::CloseClipboard();
            if (bCopied)
                bitmapCopy.Detach();
        }
        else
            bCopied = FALSE;
        if (!bCopied)
            ShowMessage(IDS_TAVOP_CANT_COPY_BITMAP);
    }
    catch (CException* e)
    {
        e->Delete();
        ShowMessage(IDS_TAVOP_INTERNAL_ERROR);
    }
}

void CTavoPImageEditorDlg::OnToolPaste()
{
    if (m_pBitmap == nullptr)
        return;
    try
    {
        STGMEDIUM medium = {};
        {
            COleDataObject data;
            if (!data.AttachClipboard() || !data.GetData(CF_BITMAP, &medium))
            {
                data.Release();
                ShowMessage(IDS_TAVOP_CANT_PASTE_BITMAP);
                return;
            }
        } // the clipboard is closed here; the medium holds a copy of its bitmap

        CBitmap* pClip = CBitmap::FromHandle(medium.hBitmap);
        BITMAP bmpClip = {};
        BOOL bPasted = pClip->GetBitmap(&bmpClip) != 0;
        if (bPasted)
        {
            CClientDC dc(this);
            CDC dcSrc, dcDest;
            bPasted = dcSrc.CreateCompatibleDC(&dc) && dcDest.CreateCompatibleDC(&dc);
            CBitmap* pOldSrc = bPasted ? dcSrc.SelectObject(pClip) : nullptr;
            CBitmap* pOldDest = bPasted ? dcDest.SelectObject(m_pBitmap) : nullptr;
            bPasted = pOldSrc != nullptr && pOldDest != nullptr;
            if (bPasted)
            {
                dcDest.FillRect(CRect(CPoint(0, 0), m_sizeImage), &GetGlobalData().brBtnFace);
                // A smaller bitmap is centred, a larger one gives its top left part; only what
                // both hold is copied.
                const int x = std::max(0, (int)(m_sizeImage.cx - bmpClip.bmWidth) / 2);
                const int y = std::max(0, (int)(m_sizeImage.cy - bmpClip.bmHeight) / 2);
                const int cx = std::min((int)m_sizeImage.cx, (int)bmpClip.bmWidth);
                const int cy = std::min((int)m_sizeImage.cy, (int)bmpClip.bmHeight);
                dcDest.BitBlt(x, y, cx, cy, &dcSrc, 0, 0, SRCCOPY);
            }
            if (pOldSrc != nullptr)
                dcSrc.SelectObject(pOldSrc);
            if (pOldDest != nullptr)
                dcDest.SelectObject(pOldDest);
        }
        ::ReleaseStgMedium(&medium);
        if (!bPasted)
        {
            ShowMessage(IDS_TAVOP_CANT_PASTE_BITMAP);
            return;
        }
        InvalidateRect(m_rectPreviewImage);
        m_wndLargeDrawArea.Invalidate();
    }
    catch (CException* e)
    {
        e->Delete();
        ShowMessage(IDS_TAVOP_INTERNAL_ERROR);
    }
}

void CTavoPImageEditorDlg::OnUpdateToolPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_BITMAP));
}

void CTavoPImageEditorDlg::OnToolPencil()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolPencil);
}

void CTavoPImageEditorDlg::OnToolFill()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolFill);
}

void CTavoPImageEditorDlg::OnToolLine()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolLine);
}

void CTavoPImageEditorDlg::OnToolRectangle()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolRectangle);
}

void CTavoPImageEditorDlg::OnToolEllipse()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolEllipse);
}

void CTavoPImageEditorDlg::OnToolPickColor()
{
    m_wndLargeDrawArea.SetMode(CTavoPImagePaintArea::ToolPickColor);
}

void CTavoPImageEditorDlg::OnUpdateToolPencil(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolPencil);
}

void CTavoPImageEditorDlg::OnUpdateToolFill(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolFill);
}

void CTavoPImageEditorDlg::OnUpdateToolLine(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolLine);
}

void CTavoPImageEditorDlg::OnUpdateToolRectangle(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolRectangle);
}

void CTavoPImageEditorDlg::OnUpdateToolEllipse(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolEllipse);
}

void CTavoPImageEditorDlg::OnUpdateToolPickColor(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CTavoPImagePaintArea::ToolPickColor);
}

void CTavoPImageEditorDlg::OnColors()
{
    m_wndLargeDrawArea.SetColor(m_wndPaletteBar.GetColor());
}

LRESULT CTavoPImageEditorDlg::OnKickIdle(WPARAM, LPARAM)
{
    if (m_wndToolBar.GetSafeHwnd() != nullptr)
        m_wndToolBar.OnUpdateCmdUI((CFrameWnd*)this, TRUE);
    return 0;
}
