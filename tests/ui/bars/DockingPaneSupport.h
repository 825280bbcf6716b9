// Docking panes with a caption in a test frame: making them, their places and the points of their caption.
#pragma once
#include "tests/support/BarTestSupport.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"

// A pane with a caption, closable and allowed to be pinned unless told otherwise.
class CaptionPane : public CTavoPDockingControlBar
{
public:
    static const DWORD kAllBehaviour =
        TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE | TAVOP_CBRS_PROPERTY2 | TAVOP_CBRS_PROPERTY4;

    // dwStyle: CBRS_FLOAT_MULTI for a pane that floats in a frame of several panes.
    BOOL Make(CWnd* pFrame, UINT nID, LPCTSTR lpszText, CSize size,
              DWORD dwBehaviour = kAllBehaviour, DWORD dwStyle = 0)
    {
        if (!Create(lpszText, pFrame, CRect(0, 0, size.cx, size.cy), TRUE, nID,
                    WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | dwStyle, 0, dwBehaviour))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    void GetMinSize(CSize& size) const override { size = CSize(20, 20); }

    CRect ScreenRect() const
    {
        CRect rect;
        GetWindowRect(rect);
        return rect;
    }
    // The caption strip on the screen.
    CRect CaptionOnScreen() const
    {
        CRect rect = GetCaptionRect();
        rect.OffsetRect(ScreenRect().TopLeft());
        return rect;
    }
    // A point of the caption left of its buttons, where a press starts a drag.
    CPoint GripPoint() const
    {
        const CRect rect = CaptionOnScreen();
        return CPoint(rect.left + 20, rect.CenterPoint().y);
    }
    // The node of the layout tree that holds the pane, and whether as its first element.
    CTavoPBarContainer* Node(BOOL& bFirst) const
    {
        bFirst = FALSE;
        CTavoPSlider* pSlider = GetDefaultSlider();
        return pSlider != NULL ? pSlider->FindContainer(const_cast<CaptionPane*>(this), bFirst)
                               : NULL;
    }
};

// The test frame with a few captioned panes (deleted with the fixture).
class PaneFrameFixture : public DockingFrameFixture
{
protected:
    void TearDown() override
    {
        DockingFrameFixture::TearDown();
        for (CaptionPane* pPane : m_panes)
            delete pPane;
        PumpMessages();
    }
    CaptionPane* AddPane(UINT nID, LPCTSTR lpszText, CSize size,
                         DWORD dwBehaviour = CaptionPane::kAllBehaviour)
    {
        CaptionPane* pPane = new CaptionPane;
        m_panes.push_back(pPane);
        EXPECT_TRUE(pPane->Make(pFrame, nID, lpszText, size, dwBehaviour));
        return pPane;
    }
    // A pane docked to a frame side by the frame, as an application docks it.
    CaptionPane* DockedPane(UINT nID, UINT nDockBarID, CSize size)
    {
        CaptionPane* pPane = AddPane(nID, "Pane", size);
        pFrame->DockControlBar(pPane, nDockBarID);
        PumpFor(30);
        return pPane;
    }
    CTavoPDockManager* Manager() { return GetDockingUtils().GetDockManager(pFrame); }
    // The frame's client area on the screen.
    CRect ClientOnScreen() const
    {
        CRect rect;
        pFrame->GetClientRect(rect);
        pFrame->ClientToScreen(rect);
        return rect;
    }
    std::vector<CaptionPane*> m_panes;
};
