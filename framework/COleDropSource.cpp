#include "framework/COleDropSource.h"
#include "framework/CAfxOleInterface.h"
#include "framework/CWnd.h"

// The interface the system's drag loop calls; it outlives its source only as an empty shell.
class CDropSourceInterface : public CAfxOleInterface<IDropSource, COleDropSource>
{
public:
    explicit CDropSourceInterface(COleDropSource* pOwner)
        : CAfxOleInterface(pOwner, IID_IDropSource)
    {}

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return m_pOwner == NULL ? DRAGDROP_S_CANCEL
                                : m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD dwEffect) override
    {
        return m_pOwner == NULL ? DRAGDROP_S_USEDEFAULTCURSORS : m_pOwner->GiveFeedback(dwEffect);
    }
};

COleDropSource::COleDropSource()
    : m_rectStartDrag(0, 0, 0, 0), m_bDragStarted(FALSE), m_dwButtonDrop(MK_LBUTTON),
      m_dwButtonCancel(0), m_pInterface(NULL)
{}

COleDropSource::~COleDropSource()
{
    if (m_pInterface != NULL)
        m_pInterface->Detach();
}

LPDROPSOURCE COleDropSource::GetInterface()
{
    if (m_pInterface == NULL)
        m_pInterface = new CDropSourceInterface(this);
    return m_pInterface;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    m_bDragStarted = FALSE;
    int nVirtKey = m_dwButtonDrop == MK_RBUTTON ? VK_RBUTTON : VK_LBUTTON;
    if (::GetSystemMetrics(SM_SWAPBUTTON))
        nVirtKey = nVirtKey == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
    // The state as of the press being handled: a release already queued ends the wait below.
    if ((::GetKeyState(nVirtKey) & 0x8000) == 0)
        return FALSE;

    const HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd != NULL)
        ::SetCapture(hWnd);
    BOOL bBegin = FALSE;
    for (;;)
    {
        if (hWnd != NULL && ::GetCapture() != hWnd)
            break;
        MSG msg;
        const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
        if (bGot == 0)
        {
            // The quit request belongs to the main loop.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (bGot == -1)
            break;
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP ||
            msg.message == WM_CANCELMODE)
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            if (!m_rectStartDrag.PtInRect(msg.pt))
            {
                bBegin = TRUE;
                break;
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
        {
            if (msg.wParam == VK_ESCAPE)
                break;
            continue;
        }
        if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_CHAR)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (hWnd != NULL && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_bDragStarted = bBegin;
    return bBegin;
}
