#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/TavoPFaceNames.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include <shellapi.h>
#include <objbase.h>
#include <cstring>

namespace {
const int kNonClientMetricsSize = 340; // the pre-Vista size, accepted everywhere

int CALLBACK FindFamily(const LOGFONT* lf, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
    // Stop the enumeration (answer 0) at the first family of the wanted name.
    return lstrcmpi(lf->lfFaceName, (LPCTSTR)lParam) == 0 ? 0 : 1;
}

bool FamilyInstalled(HDC hDC, LPCTSTR face)
{
    return ::EnumFontFamilies(hDC, nullptr, FindFamily, (LPARAM)face) == 0;
}

int TextHeightOf(HDC hDC, CFont& font)
{
    if (font.GetSafeHandle() == nullptr)
        return 0;
    HGDIOBJ old = ::SelectObject(hDC, font.m_hObject);
    TEXTMETRIC tm;
    std::memset(&tm, 0, sizeof tm);
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, old);
    return tm.tmHeight + 2;
}

// Screen DC borrowed for the length of one operation.
class ScreenDC
{
public:
    ScreenDC() { m_dc.Attach(::GetDC(nullptr)); }
    ~ScreenDC() { ::ReleaseDC(nullptr, m_dc.Detach()); }
    CDC* operator->() { return &m_dc; }
    CDC* get() { return &m_dc; }

private:
    CDC m_dc;
};
}

CTavoPGlobalData::CTavoPGlobalData()
    : hbrBtnHilite(nullptr), hbrBtnShadow(nullptr), m_hcurStretch(nullptr),
      m_hcurStretchVert(nullptr), m_hcurHand(nullptr), m_hcurSizeAll(nullptr),
      m_hcurMoveTab(nullptr), m_bIsOldNT(FALSE), m_nBitsPerPixel(0), m_nDragFrameThicknessFloat(4),
      m_nDragFrameThicknessDock(3), m_nAutoHideToolBarSpacing(14), m_nAutoHideToolBarMargin(4),
      m_nCoveredMainWndClientAreaPercent(50), m_nTextHeightHorz(0), m_nTextHeightVert(0),
      m_nEditHeight(0), m_cxBorder(::GetSystemMetrics(SM_CXBORDER)),
      m_cyBorder(::GetSystemMetrics(SM_CYBORDER)), m_bLargeIcons(FALSE),
      m_bWrapTextBelowImages(TRUE), m_bRegisterCmdImages(TRUE), m_hinstUxThemeDLL(nullptr)
{
    UpdateSysColors();
    UpdateFonts();
    UpdateSmallIconSize();

    OSVERSIONINFO osvi;
    std::memset(&osvi, 0, sizeof osvi);
    osvi.dwOSVersionInfoSize = sizeof osvi;
    ::GetVersionEx(&osvi);
    m_bIsOldNT = osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion < 5;
}

CTavoPGlobalData::~CTavoPGlobalData()
{
    CleanUp();
    // The system-colour brushes are shared: let go without deleting them.
    brBtnFace.Detach();
    brHilite.Detach();
    brBtnDkShadow.Detach();
}

void CTavoPGlobalData::UpdateSysColors()
{
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    clrBtnDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = ::GetSysColor(COLOR_3DLIGHT);
    clrGrayedText = ::GetSysColor(COLOR_GRAYTEXT);
    clrHilite = ::GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrHotText = RGB(0, 0, 255);

    hbrBtnShadow = ::GetSysColorBrush(COLOR_BTNSHADOW);
    hbrBtnHilite = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);

    // System brushes are never deleted: detach before re-attaching.
    brBtnFace.Detach();
    brBtnFace.Attach(::GetSysColorBrush(COLOR_BTNFACE));
    brHilite.Detach();
    brHilite.Attach(::GetSysColorBrush(COLOR_HIGHLIGHT));
    brBtnDkShadow.Detach();
    brBtnDkShadow.Attach(::GetSysColorBrush(COLOR_3DDKSHADOW));

    ScreenDC dc;
    m_nBitsPerPixel = dc->GetDeviceCaps(BITSPIXEL);

    brLight.DeleteObject();
    if (m_nBitsPerPixel > 8)
    {
        COLORREF clrLight =
            RGB(GetRValue(clrBtnFace) + (GetRValue(clrBtnHilite) - GetRValue(clrBtnFace)) / 2,
                GetGValue(clrBtnFace) + (GetGValue(clrBtnHilite) - GetGValue(clrBtnFace)) / 2,
                GetBValue(clrBtnFace) + (GetBValue(clrBtnHilite) - GetBValue(clrBtnFace)) / 2);
        brLight.CreateSolidBrush(clrLight);
    }
    else
    {
        // Checkerboard of face and highlight: the closest a palette display gets to halfway.
        struct
        {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } bmi;
        std::memset(&bmi, 0, sizeof bmi);
        bmi.header.biSize = sizeof(BITMAPINFOHEADER);
        bmi.header.biWidth = 8;
        bmi.header.biHeight = 8;
        bmi.header.biPlanes = 1;
        bmi.header.biBitCount = 1;
        bmi.header.biCompression = BI_RGB;
        bmi.colors[0].rgbRed = GetRValue(clrBtnFace);
        bmi.colors[0].rgbGreen = GetGValue(clrBtnFace);
        bmi.colors[0].rgbBlue = GetBValue(clrBtnFace);
        bmi.colors[1].rgbRed = GetRValue(clrBtnHilite);
        bmi.colors[1].rgbGreen = GetGValue(clrBtnHilite);
        bmi.colors[1].rgbBlue = GetBValue(clrBtnHilite);
        DWORD rows[8];
        for (int i = 0; i < 8; i++)
            rows[i] =
                (i & 1)
                    ? 0x55
                    : 0xAA; // bottom-up one-bit rows padded to 32 bits: the top row starts with face
        HBITMAP hBitmap = ::CreateDIBitmap(dc->m_hDC, &bmi.header, CBM_INIT, rows,
                                           (BITMAPINFO*)&bmi, DIB_RGB_COLORS);
        if (hBitmap != nullptr)
        {
            CBitmap bitmap;
            bitmap.Attach(hBitmap);
            brLight.CreatePatternBrush(&bitmap);
        }
    }

    CTavoPMenuGlyphImages::CleanUp();
}

void CTavoPGlobalData::DeleteFonts()
{
    fontRegular.DeleteObject();
    fontStatus.DeleteObject();
    fontBold.DeleteObject();
    fontUnderline.DeleteObject();
    fontVert.DeleteObject();
    fontVertCaption.DeleteObject();
    fontMarlett.DeleteObject();
    fontTooltip.DeleteObject();
}

void CTavoPGlobalData::UpdateFonts()
{
    DeleteFonts();

    NONCLIENTMETRICS ncm;
    std::memset(&ncm, 0, sizeof ncm);
    ncm.cbSize = kNonClientMetricsSize;
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &ncm, 0);

    ScreenDC dc;
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfCharSet = (BYTE)::GetTextCharsetInfo(dc->m_hDC, nullptr, 0);
    lf.lfHeight = ncm.lfMenuFont.lfHeight;
    lf.lfWeight = ncm.lfMenuFont.lfWeight;
    lf.lfItalic = ncm.lfMenuFont.lfItalic;
    lstrcpyn(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
    // A Latin menu font is replaced by the library's own choice; other scripts keep theirs.
    if (ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET)
    {
        LPCTSTR face = FamilyInstalled(dc->m_hDC, TavoPFaceNames::kTahoma)
                           ? TavoPFaceNames::kTahoma
                           : TavoPFaceNames::kMSSansSerif;
        lstrcpyn(lf.lfFaceName, face, LF_FACESIZE);
    }
    fontRegular.CreateFontIndirect(&lf);

    LOGFONT lfStatus = lf;
    lfStatus.lfWeight = ncm.lfStatusFont.lfWeight;
    lfStatus.lfItalic = ncm.lfStatusFont.lfItalic;
    fontStatus.CreateFontIndirect(&lfStatus);

    lf.lfUnderline = TRUE;
    fontUnderline.CreateFontIndirect(&lf);
    lf.lfUnderline = FALSE;
    lf.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lf);

    BYTE charSet = lf.lfCharSet;
    lf.lfCharSet = SYMBOL_CHARSET;
    lf.lfWeight = 0;
    lf.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK) - 1;
    lstrcpyn(lf.lfFaceName, TavoPFaceNames::kMarlett, LF_FACESIZE);
    fontMarlett.CreateFontIndirect(&lf);
    lf.lfCharSet = charSet;

    fontTooltip.CreateFontIndirect(&ncm.lfStatusFont);

    LOGFONT lfVert;
    if (::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof lfVert, &lfVert) != 0)
    {
        lfVert.lfWeight = ncm.lfMenuFont.lfWeight;
        lfVert.lfItalic = ncm.lfMenuFont.lfItalic;
        lfVert.lfHeight = ncm.lfMenuFont.lfHeight;
        lstrcpyn(lfVert.lfFaceName, TavoPFaceNames::kArial, LF_FACESIZE);
        lfVert.lfOrientation = 900;
        lfVert.lfEscapement = 2700;
        fontVert.CreateFontIndirect(&lfVert);
        lfVert.lfEscapement = 900;
        fontVertCaption.CreateFontIndirect(&lfVert);
    }

    m_nTextHeightHorz = TextHeightOf(dc->m_hDC, fontRegular);
    m_nTextHeightVert = TextHeightOf(dc->m_hDC, fontVert);
    m_nEditHeight = m_nTextHeightHorz + 4;
}

void CTavoPGlobalData::UpdateSmallIconSize()
{
    m_sizeSmallIcon = CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    // The shell's own small-icon list knows the size the user chose; COM may already run
    // in another mode, in which case it must not be uninitialised here.
    HRESULT hr = ::CoInitialize(nullptr);
    SHFILEINFO sfi;
    std::memset(&sfi, 0, sizeof sfi);
    HIMAGELIST hList = (HIMAGELIST)::SHGetFileInfo(
        "", FILE_ATTRIBUTE_DIRECTORY, &sfi, sizeof sfi,
        SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE | SHGFI_USEFILEATTRIBUTES);
    int cx = 0, cy = 0;
    if (hList != nullptr && ImageList_GetIconSize(hList, &cx, &cy) && cx > 0 && cy > 0)
        m_sizeSmallIcon = CSize(cx, cy);
    if (SUCCEEDED(hr))
        ::CoUninitialize();
}

void CTavoPGlobalData::CleanUp()
{
    brLight.DeleteObject();
    DeleteFonts();
    if (m_hinstUxThemeDLL != nullptr)
    {
        ::FreeLibrary(m_hinstUxThemeDLL);
        m_hinstUxThemeDLL = nullptr;
    }
}

BOOL CTavoPGlobalData::DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect)
{
    return DrawParentBackground(pWnd != nullptr ? pWnd->m_hWnd : nullptr, pDC, lpRect);
}

BOOL CTavoPGlobalData::DrawParentBackground(HWND hWnd, CDC* pDC, LPRECT lpRect)
{
    if (hWnd == nullptr || pDC == nullptr || pDC->m_hDC == nullptr)
        return FALSE;
    HWND hParent = ::GetParent(hWnd);
    // Everything changed below (clip region, origin, whatever the parent's painting selects)
    // is undone at once, so the caller's own clip region survives.
    int saved = pDC->SaveDC();
    if (lpRect != nullptr)
        pDC->IntersectClipRect(lpRect);

    if (m_hinstUxThemeDLL == nullptr)
        m_hinstUxThemeDLL = ::LoadLibrary("UxTheme.dll");
    typedef HRESULT(WINAPI * DrawThemeParentBackgroundFn)(HWND, HDC, const RECT*);
    DrawThemeParentBackgroundFn pfnDraw = nullptr;
    if (m_hinstUxThemeDLL != nullptr)
        pfnDraw = (DrawThemeParentBackgroundFn)(void*)::GetProcAddress(m_hinstUxThemeDLL,
                                                                       "DrawThemeParentBackground");
    BOOL bResult = FALSE;
    if (pfnDraw != nullptr && pfnDraw(hWnd, pDC->m_hDC, lpRect) == S_OK)
    {
        bResult = TRUE;
    }
    else if (hParent != nullptr)
    {
        POINT pt = {0, 0};
        ::MapWindowPoints(hWnd, hParent, &pt, 1);
        POINT ptOrg;
        ::OffsetWindowOrgEx(pDC->m_hDC, pt.x, pt.y, &ptOrg);
        bResult = (BOOL)::SendMessage(hParent, WM_ERASEBKGND, (WPARAM)pDC->m_hDC, 0);
        ::SetWindowOrgEx(pDC->m_hDC, ptOrg.x, ptOrg.y, nullptr);
    }
    pDC->RestoreDC(saved);
    return bResult;
}

void CTavoPGlobalData::FillRectLight(CDC* pDC, LPCRECT lpRect)
{
    if (pDC != nullptr && lpRect != nullptr)
        pDC->FillRect(lpRect, &brLight);
}

CFrameWnd* FindOwningFrame(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return nullptr;
    CWnd* pStep = pWnd;
    do
    {
        // A floating frame is not the bar's owner: the frame it floats for is.
        CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pStep);
        CWnd* pDockSite = pMiniFrame != nullptr ? pMiniFrame->GetDockSite() : nullptr;
        pStep = pDockSite != nullptr ? pDockSite : pStep->GetParent();
    } while (pStep != nullptr && !pStep->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    return (CFrameWnd*)pStep;
}

void CleanUpGlobals()
{
    GetGlobalData().CleanUp();
    GetBarStateCache().RemoveAll();
    CTavoPToolBar::ResetAllImages();
    CTavoPMenuGlyphImages::CleanUp();
    CTavoPToolbarImageList::ReleaseSharedDCs();
    GetCommandManager()->ClearAllCmdImages();
    CTavoPKeyboardManager::CleanUp();
    CTavoPVisualManager::DestroyInstance(TRUE);
}
