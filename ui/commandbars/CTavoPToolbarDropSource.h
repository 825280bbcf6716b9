// The one drop source of dragged toolbar buttons: tells a drop off every bar (which deletes the button) by its cursor.
#pragma once
#include "framework/COleDropSource.h"

class CTavoPToolbarDropSource : public COleDropSource
{
public:
    CTavoPToolbarDropSource();
    virtual ~CTavoPToolbarDropSource();

    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect) override;
    virtual BOOL OnBeginDrag(CWnd* pWnd) override;

    // Cleared while the pointer is over a toolbar, set when it leaves one.
    BOOL m_bDeleteOnDrop;
    // Whether Escape ended the last drag.
    BOOL m_bEscapePressed;

private:
    HCURSOR m_hcurDelete;
    HCURSOR m_hcurMove;
    HCURSOR m_hcurCopy;
};

// The process-wide drop source of the toolbars.
CTavoPToolbarDropSource& GetToolbarDropSource();
