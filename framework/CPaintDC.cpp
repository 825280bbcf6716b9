#include "framework/CPaintDC.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    ZeroMemory(&m_ps, sizeof m_ps);
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr)
    {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}
