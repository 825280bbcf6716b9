// The DC a print preview draws a page with: output goes to the screen, scaled so that the printer's page fills a rectangle there, while the printer answers every question about the device. Pages are drawn in the printer's device units.
#pragma once
#include "framework/CDC.h"

class CPreviewDC : public CDC
{
    DECLARE_DYNAMIC(CPreviewDC)
public:
    CPreviewDC();
    virtual ~CPreviewDC();

    // Borrows both DCs; neither is deleted with this object.
    void SetAttribDC(HDC hPrinterDC);
    void SetOutputDC(HDC hScreenDC);
    void ReleaseOutputDC();
    // The printer's page, in its device units, lands in rectScreen (output DC units).
    void SetScaleRect(const CRect& rectScreen);
    // The printer's page size in its device units.
    CSize GetPageSize() const;

private:
    CRect m_rectScreen;
};
