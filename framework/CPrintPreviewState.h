// What a frame gives up while it shows a print preview, kept to be put back when the preview closes.
#pragma once
#include "framework/AfxConstants.h"
#include <windows.h>

class CView;

struct CPrintPreviewState
{
    UINT nIDMainPane = AFX_IDW_PANE_FIRST; // the control id the previewed view had
    HMENU hMenu = nullptr;
    DWORD dwStates = 0; // which of the frame's own bars were visible
    CView* pViewActiveOld = nullptr;
    HACCEL hAccelTable = nullptr;
};
