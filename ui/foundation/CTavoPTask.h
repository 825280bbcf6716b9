// What a task pane tells the visual manager about one task: its name, place, image and whether it is enabled.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPTask : public CObject
{
    DECLARE_DYNAMIC(CTavoPTask)
public:
    CTavoPTask();
    virtual ~CTavoPTask();

    CString m_strName;
    CRect m_rect;
    int m_nIcon; // index in the pane's image list, -1 for none
    BOOL m_bEnabled;
};
