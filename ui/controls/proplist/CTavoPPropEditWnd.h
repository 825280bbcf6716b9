// The in-place editor of a property row (an edit or a drop-down list) that hands Enter, Escape, a lost focus and a double-click to its list.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPProp;
class CTavoPPropList;

class CTavoPPropEditWnd : public CWnd
{
    DECLARE_DYNAMIC(CTavoPPropEditWnd)
public:
    CTavoPPropEditWnd(CTavoPProp* pProp, CTavoPPropList* pList, BOOL bCombo);
    virtual ~CTavoPPropEditWnd();

    BOOL IsCombo() const { return m_bCombo; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void PostNcDestroy() override;

    CTavoPProp* m_pProp;
    CTavoPPropList* m_pList;
    BOOL m_bCombo;
};
