#include "ui/commandbars/CTavoPToolbarDropSource.h"
#include "res/LibraryIds.h"
#include "ui/foundation/CTavoPResourceScope.h"

CTavoPToolbarDropSource::CTavoPToolbarDropSource()
    : m_bDeleteOnDrop(TRUE), m_bEscapePressed(FALSE), m_hcurDelete(NULL), m_hcurMove(NULL),
      m_hcurCopy(NULL)
{}

// The cursors are the module's shared resource cursors: nothing to destroy.
CTavoPToolbarDropSource::~CTavoPToolbarDropSource()
{}

BOOL CTavoPToolbarDropSource::OnBeginDrag(CWnd* pWnd)
{
    if (m_hcurDelete == NULL)
    {
        CTavoPResourceScope scope;
        const HINSTANCE hInst = AfxGetResourceHandle();
        m_hcurDelete = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_TAVOP_DRAG_DELETE));
        m_hcurMove = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_TAVOP_DRAG_MOVE));
        m_hcurCopy = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_TAVOP_DRAG_COPY));
    }
    m_bEscapePressed = FALSE;
    return COleDropSource::OnBeginDrag(pWnd);
}

SCODE CTavoPToolbarDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (m_bDeleteOnDrop && m_hcurDelete != NULL)
        ::SetCursor(m_hcurDelete);
    m_bEscapePressed = bEscapePressed;
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}

SCODE CTavoPToolbarDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    HCURSOR hcur = m_hcurDelete;
    if (dropEffect & DROPEFFECT_COPY)
        hcur = m_hcurCopy;
    else if (dropEffect & DROPEFFECT_MOVE)
        hcur = m_hcurMove;
    if (hcur == NULL)
        return COleDropSource::GiveFeedback(dropEffect);
    ::SetCursor(hcur);
    return S_OK;
}
