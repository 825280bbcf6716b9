// A window's off-screen picture: a memory DC and bitmap kept from one paint to the next.
#include "ui/foundation/CTavoPPaintBuffer.h"

CTavoPPaintBuffer::~CTavoPPaintBuffer()
{
    Free();
}

CDC* CTavoPPaintBuffer::Begin(CDC* pDCTarget, CSize size)
{
    if (pDCTarget == nullptr || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    // Making a DC and a bitmap as large as the bar costs more than painting most bars: they
    // are made once, and again only for a new size or a new screen depth.
    const int nBitsPixel = pDCTarget->GetDeviceCaps(BITSPIXEL);
    if (m_dc.GetSafeHdc() == nullptr || size != m_size || nBitsPixel != m_nBitsPixel)
    {
        Free();
        if (!m_dc.CreateCompatibleDC(pDCTarget) ||
            !m_bmp.CreateCompatibleBitmap(pDCTarget, size.cx, size.cy))
        {
            Free();
            return nullptr;
        }
        m_hOldBitmap = ::SelectObject(m_dc.GetSafeHdc(), m_bmp.GetSafeHandle());
        m_size = size;
        m_nBitsPixel = nBitsPixel;
    }
    else if (m_nSavedState != 0)
    {
        // Whatever the last paint left selected or set (font, colours, clipping) goes.
        m_dc.RestoreDC(m_nSavedState);
    }
    m_nSavedState = m_dc.SaveDC();
    return &m_dc;
}

void CTavoPPaintBuffer::CopyTo(CDC* pDCTarget, const CRect& rect)
{
    if (m_dc.GetSafeHdc() == nullptr || pDCTarget == nullptr)
        return;
    pDCTarget->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &m_dc, rect.left, rect.top,
                      SRCCOPY);
}

void CTavoPPaintBuffer::Free()
{
    if (m_dc.GetSafeHdc() != nullptr)
    {
        if (m_nSavedState != 0)
            m_dc.RestoreDC(m_nSavedState);
        if (m_hOldBitmap != nullptr)
            ::SelectObject(m_dc.GetSafeHdc(), m_hOldBitmap);
        m_dc.DeleteDC();
    }
    m_bmp.DeleteObject();
    m_hOldBitmap = nullptr;
    m_nSavedState = 0;
    m_size = CSize(0, 0);
    m_nBitsPixel = 0;
}
