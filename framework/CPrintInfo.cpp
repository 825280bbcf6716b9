#include "framework/CPrintInfo.h"
#include "framework/CPrintDialog.h"

static LPCTSTR const kDefaultPageDesc = _T("Page %u\nPages %u-%u\n");

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)),
      m_bDirect(FALSE), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1),
      m_nNumPreviewPages(0), m_strPageDesc(kDefaultPageDesc), m_lpUserData(nullptr)
{
    SetMinPage(1);
    SetMaxPage(0xffff);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xffff;
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD != nullptr && m_pPD->m_pd.hDC != nullptr)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = (WORD)nMinPage;
}
void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = (WORD)nMaxPage;
}
UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}
UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}
UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->m_pd.nFromPage;
}
UINT CPrintInfo::GetToPage() const
{
    return m_pPD->m_pd.nToPage;
}

CString CPrintInfo::GetPageDescPart(int nPart) const
{
    int nStart = 0;
    for (int i = 0; i < nPart; i++)
    {
        const int nNewline = m_strPageDesc.Find('\n', nStart);
        if (nNewline < 0)
            return CString();
        nStart = nNewline + 1;
    }
    const int nEnd = m_strPageDesc.Find('\n', nStart);
    return nEnd < 0 ? m_strPageDesc.Mid(nStart) : m_strPageDesc.Mid(nStart, nEnd - nStart);
}
