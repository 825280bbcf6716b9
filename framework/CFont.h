// Font wrapper: creates and owns one GDI font.
#pragma once
#include "framework/CGdiObject.h"

class CDC;

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont();

    static CFont* PASCAL FromHandle(HFONT hFont);
    operator HFONT() const { return (HFONT)GetSafeHandle(); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCTSTR lpszFacename);
    // Size in tenths of a point, converted for the given DC (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont);
};
