// The source side of a drag: decides when a press becomes a drag, when it drops or ends, and which cursor it shows.
#pragma once
#include "framework/AfxOle.h"
#include "framework/CObject.h"
#include "framework/CRect.h"

class CWnd;
class CDropSourceInterface;

class COleDropSource : public CObject
{
public:
    COleDropSource();
    virtual ~COleDropSource();

    // Escape cancels; releasing the button that started the drag drops; pressing another
    // button cancels.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // The system's own drag cursors.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Holds the pointer (captured by pWnd when given) until it leaves the start rect: TRUE, the
    // drag begins; releasing the button, Escape or losing the capture first: FALSE. A press
    // whose button is no longer down begins nothing.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The interface handed to the system's drag loop; owned by this object.
    LPDROPSOURCE GetInterface();

    // In screen coordinates.
    CRect m_rectStartDrag;
    BOOL m_bDragStarted;
    // The key-state bit of the button that drops (MK_LBUTTON or MK_RBUTTON).
    DWORD m_dwButtonDrop;
    DWORD m_dwButtonCancel;

private:
    CDropSourceInterface* m_pInterface;
};
