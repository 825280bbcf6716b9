// What a view needs to print or preview: the printer dialog, the page range, the page being drawn and the preview's page description.
#pragma once
#include "framework/CString.h"
#include "framework/CRect.h"

class CPrintDialog;

struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;
    BOOL m_bDirect;
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages; // pages the preview shows side by side: 1 or 2
    // The preview's page description: the text for one page, a newline, the text for a range
    // of pages (printf formats taking the page numbers).
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw;

    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetFromPage() const;
    UINT GetToPage() const;
    // The part of the page description for one page (0) or for a range (1).
    CString GetPageDescPart(int nPart) const;
};
