// A window's off-screen picture: a memory DC and bitmap kept from one paint to the next.
#include "ui/foundation/CTavoPPaintBuffer.h"
#include "ui/foundation/CTavoPGlobalData.h"

CTavoPPaintBuffer::~CTavoPPaintBuffer()
{
    Free();
}

CDC* CTavoPPaintBuffer::Begin(CDC* pDCTarget, CSize size)
{
    if (pDCTarget == nullptr || pDCTarget->GetSafeHdc() == nullptr || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    if (m_dc.GetSafeHdc() != nullptr)
        m_dc.Detach();
    // Making a DC and a bitmap as large as the bar costs more than painting most bars: they
    // are made once, and again only for a new size or a new screen depth. The depth is the one
    // the global data keeps: asking the DC on every paint is a round trip to the window server.
    const HDC hdcTarget = pDCTarget->GetSafeHdc();
    const int nBitsPixel = GetGlobalData().m_nBitsPerPixel;
    if (m_hdc == nullptr || size != m_size || nBitsPixel != m_nBitsPixel)
    {
        Free();
        m_hdc = ::CreateCompatibleDC(hdcTarget);
        m_hbm = ::CreateCompatibleBitmap(hdcTarget, size.cx, size.cy);
        if (m_hdc == nullptr || m_hbm == nullptr)
        {
            Free();
            return nullptr;
        }
        m_hOldBitmap = ::SelectObject(m_hdc, m_hbm);
        m_size = size;
        m_nBitsPixel = nBitsPixel;
    }
    else if (m_nSavedState != 0)
    {
        // Whatever the last paint left selected or set (font, colours, clipping) goes.
        ::RestoreDC(m_hdc, m_nSavedState);
    }
    m_nSavedState = ::SaveDC(m_hdc);
    m_dc.Attach(m_hdc);
    return &m_dc;
}

void CTavoPPaintBuffer::End(CDC* pDCTarget, const CRect& rect)
{
    if (m_dc.GetSafeHdc() != nullptr)
        m_dc.Detach();
    if (m_hdc == nullptr || pDCTarget == nullptr)
        return;
    ::BitBlt(pDCTarget->GetSafeHdc(), rect.left, rect.top, rect.Width(), rect.Height(), m_hdc,
             rect.left, rect.top, SRCCOPY);
}

void CTavoPPaintBuffer::Free()
{
    if (m_dc.GetSafeHdc() != nullptr)
        m_dc.Detach();
    if (m_hdc != nullptr)
    {
        if (m_nSavedState != 0)
            ::RestoreDC(m_hdc, m_nSavedState);
        if (m_hOldBitmap != nullptr)
            ::SelectObject(m_hdc, m_hOldBitmap);
        ::DeleteDC(m_hdc);
    }
    if (m_hbm != nullptr)
        ::DeleteObject(m_hbm);
    m_hdc = nullptr;
    m_hbm = nullptr;
    m_hOldBitmap = nullptr;
    m_nSavedState = 0;
    m_size = CSize(0, 0);
    m_nBitsPixel = 0;
}
