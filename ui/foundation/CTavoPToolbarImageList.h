// A strip of equal-size button images drawn in the states toolbar buttons need, loaded from resources or a .bmp file.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/foundation/CTavoPDrawState.h"
#include <map>
#include <vector>

class CTavoPToolbarImageList : public CObject
{
public:
    CTavoPToolbarImageList();
    virtual ~CTavoPToolbarImageList();

    // Appends (bAdd) or replaces the strip with a bitmap resource; a null instance means the
    // program's resources. FALSE leaves the strip as it was.
    BOOL Load(UINT uiResID, HINSTANCE hinstRes = nullptr, BOOL bAdd = FALSE);
    // A bare file name is looked for beside the program.
    BOOL LoadFromFile(LPCTSTR lpszBmpFileName);
    // Null writes back to the file the strip came from. The old file is replaced only once
    // the new one is completely written.
    BOOL Save(LPCTSTR lpszBmpFileName = nullptr);

    int AddImage(HBITMAP hbmp);
    BOOL UpdateImage(int iImage, HBITMAP hbmp);
    BOOL CopyImageToClipboard(int iImage);
    BOOL CopyTo(CTavoPToolbarImageList& imageList);
    void CopyShared(CTavoPToolbarImageList& imageList);
    void Clear();
    void OnSysColorChange();
    BOOL MapTo3DColors(BOOL bUseRGBQUAD = TRUE, COLORREF clrSrc = (COLORREF)-1,
                       COLORREF clrDest = (COLORREF)-1);
    void BuildLightStrip();

    // Bracket any number of Draw calls; one prepared list at a time. Output size (0, 0)
    // draws at image size.
    BOOL PrepareDraw(CTavoPDrawState& ds, CSize sizeImageDest = CSize(0, 0),
                     BOOL bFadeInactive = FALSE);
    BOOL Draw(CDC* pDC, int x, int y, int iImageIndex, BOOL bHilite = FALSE, BOOL bDisabled = FALSE,
              BOOL bIndeterminate = FALSE, BOOL bShadow = FALSE, BOOL bInactive = FALSE);
    BOOL EndDraw(CTavoPDrawState& ds);

    int GetCount() const { return m_iCount; }
    CSize GetImageSize() const { return m_sizeImage; }
    // The size images come out at while the strip is prepared for drawing, else the image size.
    CSize GetDrawSize() const { return m_sizeImageDest.cx > 0 ? m_sizeImageDest : m_sizeImage; }
    void SetImageSize(SIZE sizeImage) { m_sizeImage = sizeImage; }
    COLORREF GetTransparentColor() const { return m_clrTransparent; }
    COLORREF SetTransparentColor(COLORREF clr);
    HBITMAP GetImageWell() const { return m_hbmImageWell; }
    HBITMAP GetImageWellLight() const { return m_hbmImageLight; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }
    BOOL IsShared() const { return m_bIsTemporary; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsModified() const { return m_bModified; }
    BOOL IsUserImagesList() const { return m_bUserImagesList; }
    // Index of the first image of a bitmap resource appended with Load, -1 when absent.
    int GetResourceOffset(UINT uiResId) const;

    // The standard 3-D colours (black, grey, silver, white) and the matching system colours
    // (button text, shadow, face, highlight); other colours come back unchanged. With bSwap
    // the colours are in blue-green-red order (DIB colour tables).
    static COLORREF MapToSysColor(COLORREF color, BOOL bSwap = FALSE);
    static COLORREF MapFromSysColor(COLORREF color, BOOL bSwap = FALSE);
    static void ReleaseSharedDCs();

private:
    // One colour replacement applied when the strip was loaded; saving undoes exactly these.
    struct ColorMapping
    {
        COLORREF clrStandard;
        COLORREF clrSystem;
    };

    void AfterLoad(int nBitsPerPixel);
    void UpdateCount();
    void CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow);
    void TransparentCopy(CDC* pDest, int x, int y, int cx, int cy, HDC hdcSrc, int cxSrc,
                         int cySrc);
    BOOL ReloadFromResources();
    void RecordLoaderMapping(int nBitsPerPixel);
    BOOL RemapColors(const std::vector<ColorMapping>& mapping, bool bBack);
    static bool EnsureSharedDCs();
    // The work bitmap and the mask that drawing an image needs, kept for the image size.
    BOOL EnsureDrawBuffers();
    void FreeDrawBuffers();

    CSize m_sizeImage;
    CSize m_sizeImageDest;
    HBITMAP m_hbmImageWell;
    HBITMAP m_hbmImageLight;
    HINSTANCE m_hInstImageWell;
    BOOL m_bUserImagesList;
    CString m_strUDLPath;
    BOOL m_bModified;
    int m_iCount;
    std::vector<UINT> m_lstOrigResIds;
    std::map<UINT, int> m_mapOrigResOffsets;
    BOOL m_bStretch;
    HDC m_hdcMem = nullptr;
    HBITMAP m_hbmMem = nullptr;
    HGDIOBJ m_hbmMemOld = nullptr;
    HBITMAP m_hbmMono = nullptr;
    CSize m_sizeDrawBuffers;
    BOOL m_bDrawing = FALSE;
    COLORREF m_clrTransparent;
    BOOL m_bReadOnly;
    COLORREF m_clrImageShadow;
    BOOL m_bFadeInactive;
    int m_nBitsPerPixel;
    BYTE m_bIsTemporary;
    std::vector<ColorMapping> m_appliedMapping;
};
