// What a task pane tells the visual manager about one group of tasks: its name, caption and state.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPTasksGroup : public CObject
{
    DECLARE_DYNAMIC(CTavoPTasksGroup)
public:
    CTavoPTasksGroup();
    virtual ~CTavoPTasksGroup();

    CString m_strName;
    CRect m_rectGroup; // the caption
    BOOL m_bIsSpecial;
    BOOL m_bIsCollapsed;
};
