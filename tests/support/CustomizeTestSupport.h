// Two toolbars of the test resource docked in a library frame, with the bar state the customize and drag tests look at.
#pragma once
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "tests/support/BarTestSupport.h"
#include "tests/ui/commandbars/ToolbarTestIds.h"
#include <gtest/gtest.h>
#include <vector>

namespace customize_test {

const UINT kNoString = 30199;

// A toolbar whose appearance dialog answers as the test says, and whose drag state the test sets.
class CCustomizeBar : public CTavoPToolBar
{
public:
    using CTavoPToolBar::m_bLocked;
    using CTavoPToolBar::m_bMenuMode;
    using CTavoPToolBar::m_DropTarget;
    using CTavoPToolBar::m_pDragButton;
    using CTavoPToolBar::m_ptStartDrag;

    // The answers of the next appearance dialogs (TRUE: OK); without one it is cancelled.
    std::vector<BOOL> appearanceAnswers;
    std::vector<CTavoPToolbarButton*> appearanceButtons;
    // Set: the bar's own appearance dialog runs, for a script to drive.
    bool realAppearanceDialog = false;
    BOOL EditButtonAppearance(CTavoPToolbarButton* pButton) override
    {
        appearanceButtons.push_back(pButton);
        if (realAppearanceDialog)
            return CTavoPToolBar::EditButtonAppearance(pButton);
        if (appearanceAnswers.empty())
            return FALSE;
        const BOOL bAnswer = appearanceAnswers.front();
        appearanceAnswers.erase(appearanceAnswers.begin());
        return bAnswer;
    }
    std::vector<UINT> Ids() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < GetCount(); i++)
            ids.push_back(GetButton(i)->m_nStyle & TBBS_SEPARATOR ? 0 : GetItemID(i));
        return ids;
    }
    CPoint ScreenCenter(int iButton) const
    {
        CRect rect;
        GetItemRect(iButton, rect);
        CPoint point = rect.CenterPoint();
        ClientToScreen(&point);
        return point;
    }
};

// The data of one dragged button, through the system's data interface.
class DraggedButton
{
public:
    explicit DraggedButton(CTavoPToolbarButton& button) { button.PrepareDrag(source); }
    IDataObject* Interface() { return source.GetInterface(); }
    COleDataObject* Data()
    {
        data.Attach(source.GetInterface(), FALSE);
        return &data;
    }
    COleDataSource source;
    COleDataObject data;
};

class CustomizeFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        pFrame = new CTavoPFrameWnd;
        ASSERT_TRUE(pFrame->Create(NULL, "customize", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                   CRect(100, 100, 700, 400)));
        ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        for (CCustomizeBar* pBar : {&bar1, &bar2})
        {
            ASSERT_TRUE(pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                                     pBar == &bar1 ? 0x7101 : 0x7102));
            ASSERT_TRUE(pBar->LoadToolBar(kToolbar));
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        }
        pFrame->DockControlBar(&bar1, AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&bar2, AFX_IDW_DOCKBAR_BOTTOM);
        pFrame->SetForegroundWindow();
        PumpFor(50);
        CTestSeams::Engage();
        CTestSeams::Clear();
    }
    void TearDown() override
    {
        CTestSeams::Release();
        CTavoPToolBar::SetHotTrackingHook(FALSE);
        CTavoPToolBar::SetCustomizeMode(FALSE);
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    CTavoPFrameWnd* pFrame = nullptr;
    CCustomizeBar bar1;
    CCustomizeBar bar2;
};

} // namespace customize_test
