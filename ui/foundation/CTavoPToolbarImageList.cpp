#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPPixelBuffer.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "res/LibraryIds.h"
#include <cstring>
#include <memory>

namespace {
// The two memory DCs every image list draws through, made on first use and kept until the
// library clean-up or the end of the program (TavoPStatics.cpp).
HDC g_hdcGlyphs = nullptr;
HDC g_hdcMono = nullptr;

const DWORD ROP_PSDPxax = 0x00B8074A; // pattern where the source is black, else destination
const DWORD ROP_DSPDxax = 0x00E20746; // pattern where the source is white, else destination
const DWORD ROP_DSna = 0x00220326;    // destination where the source is black, else black

const COLORREF kStandard[4] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192),
                               RGB(255, 255, 255)};
const int kSystem[4] = {COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNHIGHLIGHT};

inline COLORREF Swap(COLORREF c)
{
    return RGB(GetBValue(c), GetGValue(c), GetRValue(c));
}

// A 32-bit copy of a whole bitmap; null when anything fails.
std::unique_ptr<CTavoPPixelBuffer> PixelsOf(HBITMAP hSource)
{
    BITMAP bm;
    if (hSource == nullptr || ::GetObject(hSource, sizeof bm, &bm) == 0)
        return nullptr;
    std::unique_ptr<CTavoPPixelBuffer> pixels(new CTavoPPixelBuffer(bm.bmWidth, bm.bmHeight));
    if (!pixels->CopyFrom(hSource))
        return nullptr;
    return pixels;
}

// Null, with nothing left behind, when the bitmap cannot be loaded or read.
HBITMAP LoadStripBitmap(HINSTANCE hinst, LPCTSTR name, UINT extraFlags, int* pnBitsPerPixel)
{
    HBITMAP hbmp = (HBITMAP)::LoadImage(hinst, name, IMAGE_BITMAP, 0, 0,
                                        LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS | extraFlags);
    BITMAP bm;
    if (hbmp != nullptr && ::GetObject(hbmp, sizeof bm, &bm) != 0 && bm.bmBitsPixel > 0)
    {
        *pnBitsPerPixel = bm.bmBitsPixel;
        return hbmp;
    }
    if (hbmp != nullptr)
        ::DeleteObject(hbmp);
    return nullptr;
}

// The platform's loader trusts a bitmap file's header and reads as many pixels as it claims,
// past the end of a file that holds fewer. A file given by the user or a stored state is handed
// over only when its header describes a plain bitmap of sane size and the file holds all of it.
bool IsWholeBitmapFile(LPCTSTR lpszPath)
{
    const ULONGLONG kMaxFileBytes = 256 * 1024 * 1024;
    const LONG kMaxSide = 32768;
    HANDLE hFile = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    BYTE head[sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)] = {};
    DWORD nRead = 0;
    bool bRead =
        ::GetFileSizeEx(hFile, &size) && ::ReadFile(hFile, head, sizeof head, &nRead, nullptr);
    ::CloseHandle(hFile);
    const ULONGLONG fileBytes = (ULONGLONG)size.QuadPart;
    if (!bRead || fileBytes > kMaxFileBytes || nRead < sizeof(BITMAPFILEHEADER) + sizeof(DWORD))
        return false;

    BITMAPFILEHEADER bf;
    std::memcpy(&bf, head, sizeof bf);
    DWORD headerBytes = 0;
    std::memcpy(&headerBytes, head + sizeof bf, sizeof headerBytes);
    if (bf.bfType != 0x4D42)
        return false;
    LONG width = 0, height = 0;
    WORD planes = 0, bitCount = 0;
    DWORD compression = BI_RGB, colorsUsed = 0, colorBytes = 0, maskBytes = 0;
    if (headerBytes == sizeof(BITMAPCOREHEADER))
    {
        BITMAPCOREHEADER core;
        std::memcpy(&core, head + sizeof bf, sizeof core);
        width = core.bcWidth;
        height = core.bcHeight;
        planes = core.bcPlanes;
        bitCount = core.bcBitCount;
        colorBytes = sizeof(RGBTRIPLE);
    }
    else if (headerBytes >= sizeof(BITMAPINFOHEADER) && headerBytes <= sizeof(BITMAPV5HEADER) &&
             nRead == sizeof head)
    {
        BITMAPINFOHEADER bi;
        std::memcpy(&bi, head + sizeof bf, sizeof bi);
        width = bi.biWidth;
        height = bi.biHeight;
        planes = bi.biPlanes;
        bitCount = bi.biBitCount;
        compression = bi.biCompression;
        colorsUsed = bi.biClrUsed;
        colorBytes = sizeof(RGBQUAD);
        // The three masks follow a plain info header; the larger headers hold them.
        if (compression == BI_BITFIELDS && headerBytes == sizeof(BITMAPINFOHEADER))
            maskBytes = 3 * sizeof(DWORD);
    }
    else
        return false;

    const bool bPalette = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (planes != 1 || !(bPalette || bitCount == 16 || bitCount == 24 || bitCount == 32))
        return false;
    // Run-length data has no size the header can be checked against.
    if (compression != BI_RGB &&
        !(compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32)))
        return false;
    const ULONGLONG rows = (ULONGLONG)(height < 0 ? -(LONGLONG)height : height);
    if (width <= 0 || width > kMaxSide || rows == 0 || rows > (ULONGLONG)kMaxSide)
        return false;
    const DWORD maxColors = bPalette ? (1u << bitCount) : 256u;
    if (colorsUsed > maxColors)
        return false;
    const ULONGLONG colors = colorsUsed != 0 ? colorsUsed : (bPalette ? maxColors : 0);

    const ULONGLONG headerEnd =
        sizeof bf + (ULONGLONG)headerBytes + maskBytes + colors * colorBytes;
    const ULONGLONG bitsOffset = bf.bfOffBits != 0 ? bf.bfOffBits : headerEnd;
    const ULONGLONG stride = (((ULONGLONG)width * bitCount + 31) / 32) * 4;
    return headerEnd <= fileBytes && bitsOffset >= headerEnd &&
           bitsOffset + stride * rows <= fileBytes;
}

CString ProgramDirectoryPath(LPCTSTR lpszName)
{
    char module[MAX_PATH] = {0};
    ::GetModuleFileName(nullptr, module, MAX_PATH);
    char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(module, drive, dir, nullptr, nullptr);
    _splitpath(lpszName, nullptr, nullptr, fname, ext);
    char path[MAX_PATH];
    _makepath(path, drive, dir, fname, ext);
    return CString(path);
}
}

// ---- construction

CTavoPToolbarImageList::CTavoPToolbarImageList()
    : m_sizeImage(16, 15), m_sizeImageDest(0, 0), m_hbmImageWell(nullptr), m_hbmImageLight(nullptr),
      m_hInstImageWell(nullptr), m_bUserImagesList(FALSE), m_bModified(FALSE), m_iCount(0),
      m_bStretch(FALSE), m_clrTransparent((COLORREF)-1), m_bReadOnly(FALSE),
      m_clrImageShadow(::GetSysColor(COLOR_BTNSHADOW)), m_bFadeInactive(FALSE), m_nBitsPerPixel(0),
      m_bIsTemporary(0)
{
    // Nothing is made here: image lists are also static objects, and the shared DCs and the
    // global data come to life on first use.
}

CTavoPToolbarImageList::~CTavoPToolbarImageList()
{
    FreeDrawBuffers();
    if (!m_bIsTemporary)
    {
        if (m_hbmImageWell != nullptr)
            ::DeleteObject(m_hbmImageWell);
        if (m_hbmImageLight != nullptr)
            ::DeleteObject(m_hbmImageLight);
    }
}

bool CTavoPToolbarImageList::EnsureSharedDCs()
{
    if (g_hdcGlyphs == nullptr)
        g_hdcGlyphs = ::CreateCompatibleDC(nullptr);
    if (g_hdcMono == nullptr)
        g_hdcMono = ::CreateCompatibleDC(nullptr);
    return g_hdcGlyphs != nullptr && g_hdcMono != nullptr;
}

void CTavoPToolbarImageList::ReleaseSharedDCs()
{
    if (g_hdcGlyphs != nullptr)
        ::DeleteDC(g_hdcGlyphs);
    if (g_hdcMono != nullptr)
        ::DeleteDC(g_hdcMono);
    g_hdcGlyphs = g_hdcMono = nullptr;
}

// ---- colour maps

COLORREF CTavoPToolbarImageList::MapToSysColor(COLORREF color, BOOL bSwap)
{
    for (int i = 0; i < 4; i++)
    {
        COLORREF standard = bSwap ? Swap(kStandard[i]) : kStandard[i];
        if (color == standard)
        {
            COLORREF system = ::GetSysColor(kSystem[i]);
            return bSwap ? Swap(system) : system;
        }
    }
    return color;
}

COLORREF CTavoPToolbarImageList::MapFromSysColor(COLORREF color, BOOL bSwap)
{
    for (int i = 0; i < 4; i++)
    {
        COLORREF system = bSwap ? Swap(::GetSysColor(kSystem[i])) : ::GetSysColor(kSystem[i]);
        if (color == system)
            return bSwap ? Swap(kStandard[i]) : kStandard[i];
    }
    return color;
}

void CTavoPToolbarImageList::RecordLoaderMapping(int nBitsPerPixel)
{
    // Palette bitmaps were recoloured by the loader itself (LR_LOADMAP3DCOLORS: three greys);
    // deeper ones by MapTo3DColors (the four standard colours).
    m_appliedMapping.clear();
    if (nBitsPerPixel <= 8)
    {
        m_appliedMapping.push_back({RGB(128, 128, 128), ::GetSysColor(COLOR_3DSHADOW)});
        m_appliedMapping.push_back({RGB(192, 192, 192), ::GetSysColor(COLOR_3DFACE)});
        m_appliedMapping.push_back({RGB(223, 223, 223), ::GetSysColor(COLOR_3DLIGHT)});
    }
    else
    {
        for (int i = 0; i < 4; i++)
            m_appliedMapping.push_back({kStandard[i], ::GetSysColor(kSystem[i])});
    }
}

BOOL CTavoPToolbarImageList::MapTo3DColors(BOOL bUseRGBQUAD, COLORREF clrSrc, COLORREF clrDest)
{
    if (m_hbmImageWell == nullptr)
        return FALSE;
    if (clrSrc != (COLORREF)-1 && clrDest == (COLORREF)-1)
        return FALSE;
    // The pixels are read as COLORREF values, whatever bUseRGBQUAD says: comparing them in
    // colour-table order would hand back system colours with red and blue exchanged.
    std::unique_ptr<CTavoPPixelBuffer> pixels = PixelsOf(m_hbmImageWell);
    if (!pixels)
        return FALSE;
    for (int x = 0; x < pixels->Width(); x++)
    {
        for (int y = 0; y < pixels->Height(); y++)
        {
            COLORREF c = pixels->GetPixel(x, y);
            if (clrSrc == (COLORREF)-1)
                pixels->SetPixel(x, y, MapToSysColor(c, FALSE));
            else if (c == clrSrc)
                pixels->SetPixel(x, y, clrDest);
        }
    }
    ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = pixels->Detach();
    return TRUE;
}

// Replaces every colour of one side of the mapping by its other side: the system colours by
// the standard ones (bBack) or the other way round. A palette strip keeps its depth: only its
// colour table changes.
BOOL CTavoPToolbarImageList::RemapColors(const std::vector<ColorMapping>& mapping, bool bBack)
{
    auto remap = [&](COLORREF c) {
        for (const ColorMapping& m : mapping)
        {
            if (c == (bBack ? m.clrSystem : m.clrStandard))
                return bBack ? m.clrStandard : m.clrSystem;
        }
        return c;
    };
    DIBSECTION ds;
    if (::GetObject(m_hbmImageWell, sizeof ds, &ds) == sizeof ds && ds.dsBm.bmBitsPixel <= 8)
    {
        HDC hdc = ::CreateCompatibleDC(nullptr);
        if (hdc == nullptr)
            return FALSE;
        HGDIOBJ old = ::SelectObject(hdc, m_hbmImageWell);
        RGBQUAD table[256];
        UINT n = ::GetDIBColorTable(hdc, 0, 256, table);
        for (UINT i = 0; i < n; i++)
        {
            COLORREF c = remap(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
            table[i].rgbRed = GetRValue(c);
            table[i].rgbGreen = GetGValue(c);
            table[i].rgbBlue = GetBValue(c);
        }
        ::SetDIBColorTable(hdc, 0, n, table);
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
        return TRUE;
    }
    std::unique_ptr<CTavoPPixelBuffer> pixels = PixelsOf(m_hbmImageWell);
    if (!pixels)
        return FALSE;
    for (int x = 0; x < pixels->Width(); x++)
        for (int y = 0; y < pixels->Height(); y++)
            pixels->SetPixel(x, y, remap(pixels->GetPixel(x, y)));
    ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = pixels->Detach();
    return TRUE;
}

// ---- loading

BOOL CTavoPToolbarImageList::Load(UINT uiResID, HINSTANCE hinstRes, BOOL bAdd)
{
    if (m_bIsTemporary)
        return FALSE;
    if (bAdd && m_mapOrigResOffsets.count(uiResID) != 0)
        return TRUE;
    if (hinstRes == nullptr)
        hinstRes = AfxGetResourceHandle();

    int nBitsPerPixel = 0;
    HBITMAP hbmp = LoadStripBitmap(hinstRes, MAKEINTRESOURCE(uiResID), 0, &nBitsPerPixel);
    if (hbmp == nullptr)
        return FALSE;
    m_hInstImageWell = hinstRes;

    if (bAdd)
    {
        int offset = m_iCount;
        if (AddImage(hbmp) < 0)
        {
            ::DeleteObject(hbmp);
            return FALSE;
        }
        ::DeleteObject(hbmp);
        m_mapOrigResOffsets[uiResID] = offset;
        m_lstOrigResIds.push_back(uiResID);
    }
    else
    {
        // The old strip goes only now that the new one is here.
        Clear();
        m_hInstImageWell = hinstRes;
        m_hbmImageWell = hbmp;
    }
    AfterLoad(nBitsPerPixel);
    return TRUE;
}

BOOL CTavoPToolbarImageList::LoadFromFile(LPCTSTR lpszBmpFileName)
{
    if (m_bIsTemporary || lpszBmpFileName == nullptr)
        return FALSE;
    CString strPath = lpszBmpFileName;
    if (strPath.FindOneOf("\\/:") < 0)
        strPath = ProgramDirectoryPath(lpszBmpFileName);

    if (!IsWholeBitmapFile(strPath))
        return FALSE;
    int nBitsPerPixel = 0;
    HBITMAP hbmp = LoadStripBitmap(nullptr, strPath, LR_LOADFROMFILE, &nBitsPerPixel);
    if (hbmp == nullptr)
        return FALSE;
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmp;
    m_bUserImagesList = TRUE;
    m_strUDLPath = strPath;
    m_bModified = FALSE;
    DWORD attributes = ::GetFileAttributes(strPath);
    m_bReadOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    AfterLoad(nBitsPerPixel);
    return TRUE;
}

int CTavoPToolbarImageList::AddImage(HBITMAP hbmp)
{
    if (m_bIsTemporary || hbmp == nullptr)
        return -1;
    BITMAP bmpNew;
    if (::GetObject(hbmp, sizeof bmpNew, &bmpNew) == 0)
        return -1;
    int cxOld = 0, cyOld = bmpNew.bmHeight;
    if (m_hbmImageWell != nullptr)
    {
        BITMAP bmpOld;
        if (::GetObject(m_hbmImageWell, sizeof bmpOld, &bmpOld) == 0)
            return -1;
        cxOld = bmpOld.bmWidth;
        cyOld = bmpOld.bmHeight;
    }

    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbmpStrip = ::CreateCompatibleBitmap(hdcScreen, cxOld + bmpNew.bmWidth, cyOld);
    ::ReleaseDC(nullptr, hdcScreen);
    bool ok = hbmpStrip != nullptr &&
              (m_hbmImageWell == nullptr ||
               TavoPCopyBitmapArea(hbmpStrip, 0, 0, cxOld, cyOld, m_hbmImageWell, 0, 0)) &&
              TavoPCopyBitmapArea(hbmpStrip, cxOld, 0, bmpNew.bmWidth, bmpNew.bmHeight, hbmp, 0, 0);
    if (!ok)
    {
        if (hbmpStrip != nullptr)
            ::DeleteObject(hbmpStrip);
        return -1;
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmpStrip;
    m_bModified = TRUE;
    UpdateCount();
    BuildLightStrip();
    return m_iCount - 1;
}

BOOL CTavoPToolbarImageList::UpdateImage(int iImage, HBITMAP hbmp)
{
    if (m_bIsTemporary || !m_bUserImagesList || m_hbmImageWell == nullptr || hbmp == nullptr)
        return FALSE;
    if (iImage < 0 || iImage >= m_iCount)
        return FALSE;
    if (!TavoPCopyBitmapArea(m_hbmImageWell, iImage * m_sizeImage.cx, 0, m_sizeImage.cx,
                             m_sizeImage.cy, hbmp, 0, 0))
        return FALSE;
    m_bModified = TRUE;
    BuildLightStrip();
    return TRUE;
}

void CTavoPToolbarImageList::AfterLoad(int nBitsPerPixel)
{
    m_nBitsPerPixel = nBitsPerPixel;
    RecordLoaderMapping(nBitsPerPixel);
    if (nBitsPerPixel > 8)
        MapTo3DColors();
    UpdateCount();
    BuildLightStrip();
}

void CTavoPToolbarImageList::UpdateCount()
{
    m_iCount = 0;
    BITMAP bm;
    if (m_hbmImageWell != nullptr && m_sizeImage.cx > 0 &&
        ::GetObject(m_hbmImageWell, sizeof bm, &bm) != 0)
        m_iCount = bm.bmWidth / m_sizeImage.cx;
}

void CTavoPToolbarImageList::BuildLightStrip()
{
    if (m_hbmImageLight != nullptr)
    {
        ::DeleteObject(m_hbmImageLight);
        m_hbmImageLight = nullptr;
    }
    if (m_hbmImageWell == nullptr || GetGlobalData().m_nBitsPerPixel <= 8)
        return;
    std::unique_ptr<CTavoPPixelBuffer> light = PixelsOf(m_hbmImageWell);
    if (!light)
        return;
    CTavoPDrawManager dm(light->DC());
    COLORREF clrKeep =
        m_clrTransparent != (COLORREF)-1 ? m_clrTransparent : GetGlobalData().clrBtnFace;
    dm.HighlightRect(CRect(0, 0, light->Width(), light->Height()), 130, clrKeep);
    m_hbmImageLight = light->Detach();
}

COLORREF CTavoPToolbarImageList::SetTransparentColor(COLORREF clr)
{
    COLORREF old = m_clrTransparent;
    m_clrTransparent = clr;
    return old;
}

int CTavoPToolbarImageList::GetResourceOffset(UINT uiResId) const
{
    auto it = m_mapOrigResOffsets.find(uiResId);
    return it == m_mapOrigResOffsets.end() ? -1 : it->second;
}

// ---- saving

BOOL CTavoPToolbarImageList::Save(LPCTSTR lpszBmpFileName)
{
    if (!m_bUserImagesList || m_hbmImageWell == nullptr || m_bReadOnly || m_bIsTemporary)
        return FALSE;
    CString strFile = lpszBmpFileName != nullptr ? CString(lpszBmpFileName) : m_strUDLPath;
    if (lpszBmpFileName == nullptr && !m_bModified)
        return TRUE;

    BITMAP bm;
    if (::GetObject(m_hbmImageWell, sizeof bm, &bm) == 0)
        return FALSE;
    const int nBitCount =
        bm.bmBitsPixel == 1 || bm.bmBitsPixel == 2 || bm.bmBitsPixel == 4 || bm.bmBitsPixel == 8
            ? bm.bmBitsPixel
            : (bm.bmBitsPixel <= 16 ? 16 : (bm.bmBitsPixel == 24 ? 24 : 32));
    const int nColors = nBitCount <= 8 ? (1 << nBitCount) : 0;
    const DWORD cbRow = ((bm.bmWidth * nBitCount + 31) / 32) * 4;
    const DWORD cbBits = cbRow * bm.bmHeight;
    const DWORD cbHeader = sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD);
    std::unique_ptr<BYTE[]> dib(new (std::nothrow) BYTE[cbHeader + cbBits]);
    if (!dib)
        return FALSE;
    std::memset(dib.get(), 0, cbHeader + cbBits);
    BITMAPINFO* pbmi = (BITMAPINFO*)dib.get();
    pbmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pbmi->bmiHeader.biWidth = bm.bmWidth;
    pbmi->bmiHeader.biHeight = bm.bmHeight;
    pbmi->bmiHeader.biPlanes = 1;
    pbmi->bmiHeader.biBitCount = (WORD)nBitCount;
    pbmi->bmiHeader.biCompression = BI_RGB;
    pbmi->bmiHeader.biSizeImage = cbBits;

    HDC hdc = ::GetDC(nullptr);
    HPALETTE hOldPal = ::SelectPalette(hdc, (HPALETTE)::GetStockObject(DEFAULT_PALETTE), FALSE);
    int lines = ::GetDIBits(hdc, m_hbmImageWell, 0, bm.bmHeight, dib.get() + cbHeader, pbmi,
                            DIB_RGB_COLORS);
    ::SelectPalette(hdc, hOldPal, FALSE);
    ::ReleaseDC(nullptr, hdc);
    if (lines != bm.bmHeight)
        return FALSE;
    pbmi->bmiHeader.biClrUsed = 0;

    // Undo exactly the recolouring the load applied, in the colour table or in the pixels.
    auto back = [this](COLORREF c) {
        for (const ColorMapping& m : m_appliedMapping)
            if (c == m.clrSystem)
                return m.clrStandard;
        return c;
    };
    if (nColors > 0)
    {
        for (int i = 0; i < nColors; i++)
        {
            RGBQUAD& q = pbmi->bmiColors[i];
            COLORREF c = back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
            q.rgbRed = GetRValue(c);
            q.rgbGreen = GetGValue(c);
            q.rgbBlue = GetBValue(c);
        }
    }
    else if (nBitCount == 24 || nBitCount == 32)
    {
        const int bytes = nBitCount / 8;
        for (int y = 0; y < bm.bmHeight; y++)
        {
            BYTE* row = dib.get() + cbHeader + y * cbRow;
            for (int x = 0; x < bm.bmWidth; x++)
            {
                BYTE* p = row + x * bytes;
                COLORREF c = back(RGB(p[2], p[1], p[0]));
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
            }
        }
    }

    BITMAPFILEHEADER bfh;
    std::memset(&bfh, 0, sizeof bfh);
    bfh.bfType = 0x4D42;
    bfh.bfSize = (DWORD)(sizeof(BITMAPFILEHEADER) + cbHeader + cbBits);
    bfh.bfOffBits = (DWORD)(sizeof(BITMAPFILEHEADER) + cbHeader);

    // Write beside the target and swap in only a complete file.
    CString strTemp = strFile + ".tmp";
    HANDLE hFile = ::CreateFile(strTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written1 = 0, written2 = 0;
    BOOL ok = ::WriteFile(hFile, &bfh, sizeof bfh, &written1, nullptr) &&
              ::WriteFile(hFile, dib.get(), cbHeader + cbBits, &written2, nullptr) &&
              written1 == sizeof bfh && written2 == cbHeader + cbBits;
    ok = ::CloseHandle(hFile) && ok;
    if (ok)
        ok = ::MoveFileEx(strTemp, strFile, MOVEFILE_REPLACE_EXISTING);
    if (!ok)
    {
        ::DeleteFile(strTemp);
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}

// ---- copies and clearing

BOOL CTavoPToolbarImageList::CopyTo(CTavoPToolbarImageList& imageList)
{
    if (imageList.m_bIsTemporary)
        return FALSE;
    if (imageList.m_hbmImageWell != nullptr)
        imageList.Clear();
    imageList.m_sizeImage = m_sizeImage;
    imageList.m_sizeImageDest = m_sizeImageDest;
    imageList.m_hInstImageWell = m_hInstImageWell;
    imageList.m_bUserImagesList = m_bUserImagesList;
    imageList.m_strUDLPath = m_strUDLPath;
    imageList.m_bModified = m_bModified;
    imageList.m_iCount = m_iCount;
    imageList.m_clrTransparent = m_clrTransparent;
    imageList.m_bReadOnly = m_bReadOnly;
    imageList.m_nBitsPerPixel = m_nBitsPerPixel;
    imageList.m_appliedMapping = m_appliedMapping;
    if (m_hbmImageWell != nullptr)
        imageList.m_hbmImageWell =
            (HBITMAP)::CopyImage(m_hbmImageWell, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    imageList.m_lstOrigResIds = m_lstOrigResIds;
    imageList.m_mapOrigResOffsets = m_mapOrigResOffsets;
    return TRUE;
}

void CTavoPToolbarImageList::CopyShared(CTavoPToolbarImageList& imageList)
{
    imageList.Clear();
    imageList.m_bIsTemporary = TRUE;
    imageList.m_sizeImage = m_sizeImage;
    imageList.m_sizeImageDest = m_sizeImageDest;
    imageList.m_hbmImageWell = m_hbmImageWell;
    imageList.m_hbmImageLight = m_hbmImageLight;
    imageList.m_bUserImagesList = m_bUserImagesList;
    imageList.m_iCount = m_iCount;
    imageList.m_nBitsPerPixel = m_nBitsPerPixel;
    imageList.m_clrTransparent = m_clrTransparent;
    imageList.m_bReadOnly = TRUE;
}

void CTavoPToolbarImageList::Clear()
{
    if (m_bIsTemporary)
        return;
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    if (m_hbmImageLight != nullptr)
        ::DeleteObject(m_hbmImageLight);
    m_hbmImageWell = m_hbmImageLight = nullptr;
    m_lstOrigResIds.clear();
    m_mapOrigResOffsets.clear();
    m_strUDLPath.Empty();
    m_appliedMapping.clear();
    m_iCount = 0;
    m_bModified = FALSE;
    m_bUserImagesList = FALSE;
}

// ---- system colours

BOOL CTavoPToolbarImageList::ReloadFromResources()
{
    // Build the whole new strip aside; the old one stays if any bitmap fails.
    CTavoPToolbarImageList fresh;
    fresh.m_sizeImage = m_sizeImage;
    fresh.m_clrTransparent = m_clrTransparent;
    for (UINT id : m_lstOrigResIds)
    {
        if (!fresh.Load(id, m_hInstImageWell, TRUE))
            return FALSE;
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = fresh.m_hbmImageWell;
    fresh.m_hbmImageWell = nullptr;
    m_nBitsPerPixel = fresh.m_nBitsPerPixel;
    m_appliedMapping = fresh.m_appliedMapping;
    m_mapOrigResOffsets = fresh.m_mapOrigResOffsets;
    return TRUE;
}

void CTavoPToolbarImageList::OnSysColorChange()
{
    if (m_bIsTemporary || m_hbmImageWell == nullptr)
        return;
    if (m_bUserImagesList)
    {
        if (m_bModified)
        {
            // Reloading the file would throw the unsaved edits away: recolour in place from
            // the old system colours to the new ones.
            std::vector<ColorMapping> fromOld = m_appliedMapping;
            RemapColors(fromOld, true);
            RecordLoaderMapping(m_nBitsPerPixel);
            RemapColors(m_appliedMapping, false);
        }
        else
        {
            CString strPath = m_strUDLPath;
            LoadFromFile(strPath);
        }
    }
    else if (!m_lstOrigResIds.empty())
    {
        ReloadFromResources();
    }
    UpdateCount();
    BuildLightStrip();
    m_clrImageShadow = GetGlobalData().clrBtnShadow;
}

// ---- drawing

BOOL CTavoPToolbarImageList::PrepareDraw(CTavoPDrawState& ds, CSize sizeImageDest,
                                         BOOL bFadeInactive)
{
    if (m_hbmImageWell == nullptr || !EnsureSharedDCs())
        return FALSE;
    m_bFadeInactive =
        bFadeInactive && m_hbmImageLight != nullptr && m_nBitsPerPixel >= 1 && m_nBitsPerPixel <= 4;

    // Every bar paints its images through here on every paint: the mask and the work bitmap
    // are made once for the image size and kept, not made and deleted each time.
    if (!EnsureDrawBuffers())
        return FALSE;
    ds.hbmOldGlyphs =
        (HBITMAP)::SelectObject(g_hdcGlyphs, m_bFadeInactive ? m_hbmImageLight : m_hbmImageWell);
    if (ds.hbmOldGlyphs == nullptr)
    {
        ds = CTavoPDrawState();
        return FALSE;
    }
    ds.hbmMonoOld = (HBITMAP)::SelectObject(g_hdcMono, m_hbmMono);

    m_sizeImageDest = (sizeImageDest.cx < 1 || sizeImageDest.cy < 1) ? m_sizeImage : sizeImageDest;
    // Every image is drawn transparent, even without a colour of its own: the loader turned the
    // bitmap's background into the button-face colour, which is not the colour every look
    // paints its bars and menus in.
    m_bStretch = m_sizeImageDest != m_sizeImage;
    m_bDrawing = TRUE;
    return TRUE;
}

BOOL CTavoPToolbarImageList::EnsureDrawBuffers()
{
    const CSize sizeBuffer(m_sizeImage.cx + 2, m_sizeImage.cy + 2);
    if (m_hdcMem != nullptr && sizeBuffer == m_sizeDrawBuffers)
        return TRUE;
    FreeDrawBuffers();
    const HDC hdcScreen = ::GetDC(nullptr);
    m_hbmMono = ::CreateBitmap(sizeBuffer.cx, sizeBuffer.cy, 1, 1, nullptr);
    m_hdcMem = ::CreateCompatibleDC(nullptr);
    m_hbmMem = ::CreateCompatibleBitmap(hdcScreen, sizeBuffer.cx, sizeBuffer.cy);
    ::ReleaseDC(nullptr, hdcScreen);
    if (m_hbmMono == nullptr || m_hdcMem == nullptr || m_hbmMem == nullptr)
    {
        FreeDrawBuffers();
        return FALSE;
    }
    m_hbmMemOld = ::SelectObject(m_hdcMem, m_hbmMem);
    m_sizeDrawBuffers = sizeBuffer;
    return TRUE;
}

void CTavoPToolbarImageList::FreeDrawBuffers()
{
    // Plain handles only: the process-wide lists go after the framework's handle maps at exit.
    if (m_hdcMem != nullptr)
    {
        if (m_hbmMemOld != nullptr)
            ::SelectObject(m_hdcMem, m_hbmMemOld);
        ::DeleteDC(m_hdcMem);
    }
    if (m_hbmMem != nullptr)
        ::DeleteObject(m_hbmMem);
    if (m_hbmMono != nullptr)
        ::DeleteObject(m_hbmMono);
    m_hdcMem = nullptr;
    m_hbmMem = nullptr;
    m_hbmMemOld = nullptr;
    m_hbmMono = nullptr;
    m_sizeDrawBuffers = CSize(0, 0);
}

BOOL CTavoPToolbarImageList::EndDraw(CTavoPDrawState& ds)
{
    if (g_hdcMono != nullptr && ds.hbmMonoOld != nullptr)
        ::SelectObject(g_hdcMono, ds.hbmMonoOld);
    if (g_hdcGlyphs != nullptr && ds.hbmOldGlyphs != nullptr)
        ::SelectObject(g_hdcGlyphs, ds.hbmOldGlyphs);
    ds = CTavoPDrawState();
    m_bDrawing = FALSE;
    m_sizeImageDest = CSize(0, 0);
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
    return TRUE;
}

void CTavoPToolbarImageList::CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow)
{
    const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    ::PatBlt(g_hdcMono, 0, 0, cx + 2, cy + 2, WHITENESS);
    // Colour-to-monochrome copies turn the background colour white and everything else black.
    COLORREF clrBack =
        m_clrTransparent != (COLORREF)-1 ? m_clrTransparent : GetGlobalData().clrBtnFace;
    COLORREF oldBk = ::SetBkColor(g_hdcGlyphs, clrBack);
    ::BitBlt(g_hdcMono, 0, 0, cx, cy, g_hdcGlyphs, iImage * cx, 0, SRCCOPY);
    if (bHilite)
    {
        ::SetBkColor(g_hdcGlyphs, GetGlobalData().clrBtnHilite);
        ::BitBlt(g_hdcMono, 0, 0, cx, cy, g_hdcGlyphs, iImage * cx, 0, SRCPAINT);
    }
    ::SetBkColor(g_hdcGlyphs, oldBk);
    if (bHiliteShadow)
        ::BitBlt(g_hdcMono, 1, 1, cx + 1, cy + 1, g_hdcMono, 0, 0, SRCAND);
}

BOOL CTavoPToolbarImageList::Draw(CDC* pDC, int x, int y, int iImage, BOOL bHilite, BOOL bDisabled,
                                  BOOL bIndeterminate, BOOL bShadow, BOOL bInactive)
{
    if (iImage < 0 || iImage >= m_iCount || pDC == nullptr || g_hdcGlyphs == nullptr ||
        !m_bDrawing || m_hdcMem == nullptr)
        return FALSE;
    CTavoPGlobalData& data = GetGlobalData();
    if (bShadow && data.m_nBitsPerPixel <= 8)
        return TRUE;
    if (m_bStretch)
    {
        bHilite = FALSE;
        bIndeterminate = FALSE;
    }
    HBITMAP hbmSwapped = nullptr;
    if (m_bFadeInactive && !bInactive)
        hbmSwapped = (HBITMAP)::SelectObject(g_hdcGlyphs, m_hbmImageWell);

    const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
    HDC hdcTarget = m_hdcMem;
    const int xTarget = 0, yTarget = 0;
    const RECT rcTarget = {0, 0, cx + 2, cy + 2};
    if (m_clrTransparent != (COLORREF)-1 && m_clrTransparent != data.clrBtnFace)
    {
        HBRUSH hbr = ::CreateSolidBrush(m_clrTransparent);
        ::FillRect(hdcTarget, &rcTarget, hbr);
        ::DeleteObject(hbr);
    }
    else
    {
        ::FillRect(hdcTarget, &rcTarget, (HBRUSH)data.brBtnFace.GetSafeHandle());
    }

    if (!bHilite && !bDisabled && !bShadow)
        ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, g_hdcGlyphs, iImage * cx, 0, SRCCOPY);

    COLORREF oldText = ::SetTextColor(hdcTarget, RGB(0, 0, 0));
    COLORREF oldBk = ::SetBkColor(hdcTarget, RGB(255, 255, 255));
    if (bDisabled || bShadow || (bHilite && bIndeterminate))
    {
        CreateMask(iImage, TRUE, FALSE);
        ::SetTextColor(hdcTarget, bShadow ? m_clrImageShadow : RGB(0, 0, 0));
        ::SetBkColor(hdcTarget, RGB(255, 255, 255));
        if (bDisabled && CTavoPVisualManager::GetInstance()->IsEmbossDisabledImage())
        {
            HGDIOBJ old = ::SelectObject(hdcTarget, data.hbrBtnHilite);
            ::BitBlt(hdcTarget, xTarget + 1, yTarget + 1, cx + 2, cy + 2, g_hdcMono, 0, 0,
                     ROP_PSDPxax);
            ::SelectObject(hdcTarget, old);
        }
        HGDIOBJ old = ::SelectObject(hdcTarget, data.hbrBtnShadow);
        ::BitBlt(hdcTarget, xTarget, yTarget, cx + 2, cy + 2, g_hdcMono, 0, 0, ROP_PSDPxax);
        ::SelectObject(hdcTarget, old);
    }
    if (bHilite || bIndeterminate)
    {
        CreateMask(iImage, !bIndeterminate, bDisabled);
        ::SetTextColor(hdcTarget, RGB(0, 0, 0));
        ::SetBkColor(hdcTarget, RGB(255, 255, 255));
        HGDIOBJ old = ::SelectObject(hdcTarget, data.brLight.GetSafeHandle());
        ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, g_hdcMono, 0, 0, ROP_DSPDxax);
        ::SelectObject(hdcTarget, old);
    }
    ::SetTextColor(hdcTarget, oldText);
    ::SetBkColor(hdcTarget, oldBk);

    TransparentCopy(pDC, x, y, m_sizeImageDest.cx, m_sizeImageDest.cy, m_hdcMem, cx, cy);
    if (hbmSwapped != nullptr)
        ::SelectObject(g_hdcGlyphs, hbmSwapped);
    return TRUE;
}

void CTavoPToolbarImageList::TransparentCopy(CDC* pDest, int x, int y, int cx, int cy, HDC hdcSrc,
                                             int cxSrc, int cySrc)
{
    // Every image of every bar goes through here. The platform's transparent copy makes its own
    // bitmaps and DCs on every call, which cost most of a toolbar's paint: the mask goes into
    // the mask bitmap kept for drawing, and the image goes on in two raster operations. The
    // work bitmap is spent: its transparent pixels turn black.
    CTavoPGlobalData& data = GetGlobalData();
    const COLORREF clrTransparent =
        m_clrTransparent != (COLORREF)-1 ? m_clrTransparent : data.clrBtnFace;
    const HDC hdcDest = pDest->m_hDC;

    // Colour to monochrome: the background colour turns white, everything else black.
    const COLORREF clrSrcBk = ::SetBkColor(hdcSrc, clrTransparent);
    ::BitBlt(g_hdcMono, 0, 0, cxSrc, cySrc, hdcSrc, 0, 0, SRCCOPY);
    // Monochrome to colour: white takes the background colour, black the text colour.
    const COLORREF clrSrcText = ::SetTextColor(hdcSrc, RGB(0, 0, 0));
    ::SetBkColor(hdcSrc, RGB(255, 255, 255));
    ::BitBlt(hdcSrc, 0, 0, cxSrc, cySrc, g_hdcMono, 0, 0, ROP_DSna);
    ::SetTextColor(hdcSrc, clrSrcText);
    ::SetBkColor(hdcSrc, clrSrcBk);

    const COLORREF clrDestText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
    const COLORREF clrDestBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
    const int nOldMode = ::SetStretchBltMode(hdcDest, COLORONCOLOR);
    ::StretchBlt(hdcDest, x, y, cx, cy, g_hdcMono, 0, 0, cxSrc, cySrc, SRCAND);
    ::StretchBlt(hdcDest, x, y, cx, cy, hdcSrc, 0, 0, cxSrc, cySrc, SRCPAINT);
    ::SetStretchBltMode(hdcDest, nOldMode);
    ::SetTextColor(hdcDest, clrDestText);
    ::SetBkColor(hdcDest, clrDestBk);
}

BOOL CTavoPToolbarImageList::CopyImageToClipboard(int iImage)
{
    auto fail = [](UINT nIDPrompt) {
        CTavoPResourceScope scope;
        AfxMessageBox(nIDPrompt, MB_OK | MB_ICONSTOP);
        return FALSE;
    };
    try
    {
        CWindowDC dcScreen(nullptr);
        CDC dcMem;
        CBitmap bitmap;
        if (!dcMem.CreateCompatibleDC(&dcScreen) ||
            !bitmap.CreateCompatibleBitmap(&dcScreen, m_sizeImage.cx, m_sizeImage.cy))
            return fail(IDS_TAVOP_CANT_COPY_BITMAP);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.FillRect(CRect(0, 0, m_sizeImage.cx, m_sizeImage.cy), &GetGlobalData().brBtnFace);
        CTavoPDrawState ds;
        BOOL bDrawn = PrepareDraw(ds);
        if (bDrawn)
        {
            bDrawn = Draw(&dcMem, 0, 0, iImage);
            EndDraw(ds);
        }
        dcMem.SelectObject(pOld);
        if (!bDrawn)
            return fail(IDS_TAVOP_CANT_COPY_BITMAP);

        CWnd* pMainWnd = AfxGetMainWnd();
        if (!::OpenClipboard(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr))
            return fail(IDS_TAVOP_CANT_COPY_BITMAP);
        // The clipboard is closed on every path; the bitmap is the clipboard's only once it took it.
        BOOL bTaken =
            ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, bitmap.m_hObject) != nullptr;
        ::CloseClipboard();
        if (!bTaken)
            return fail(IDS_TAVOP_CANT_COPY_BITMAP);
        bitmap.Detach();
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        return fail(IDS_TAVOP_INTERNAL_ERROR);
    }
}
