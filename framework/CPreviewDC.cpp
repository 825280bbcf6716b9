#include "framework/CPreviewDC.h"

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

CPreviewDC::CPreviewDC()
{}

CPreviewDC::~CPreviewDC()
{
    // Both DCs are borrowed: the base class must not delete them.
    m_hDC = m_hAttribDC = nullptr;
}

void CPreviewDC::SetAttribDC(HDC hPrinterDC)
{
    m_hAttribDC = hPrinterDC;
}

void CPreviewDC::SetOutputDC(HDC hScreenDC)
{
    m_hDC = hScreenDC;
}

void CPreviewDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

CSize CPreviewDC::GetPageSize() const
{
    if (m_hAttribDC == nullptr)
        return CSize(0, 0);
    return CSize(::GetDeviceCaps(m_hAttribDC, HORZRES), ::GetDeviceCaps(m_hAttribDC, VERTRES));
}

void CPreviewDC::SetScaleRect(const CRect& rectScreen)
{
    m_rectScreen = rectScreen;
    const CSize sizePage = GetPageSize();
    if (m_hDC == nullptr || sizePage.cx <= 0 || sizePage.cy <= 0)
        return;
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowOrgEx(m_hDC, 0, 0, nullptr);
    ::SetWindowExtEx(m_hDC, sizePage.cx, sizePage.cy, nullptr);
    ::SetViewportOrgEx(m_hDC, rectScreen.left, rectScreen.top, nullptr);
    ::SetViewportExtEx(m_hDC, rectScreen.Width(), rectScreen.Height(), nullptr);
}
