// The record of a bar's last docked and last floating places, so that the bar returns to them.
#pragma once
#include "ui/bars/docking/CTavoPRecentDockPlacement.h"

class CTavoPDockBar;
class CTavoPDockBarRow;
class CTavoPSlider;

class CTavoPRecentDockInfo
{
public:
    CTavoPRecentDockInfo();
    virtual ~CTavoPRecentDockInfo();

    // For a docking pane: its container (and tab group) in the layout tree or in its mini frame.
    virtual void StoreDockInfo(CTavoPBarContainer* pContainer,
                               CTavoPDockingControlBar* pTabbedBar = NULL);
    // Copies the docked (bDocked) or the floating side of another record.
    virtual void SetInfo(BOOL bDocked, const CTavoPRecentDockInfo& other);
    void Init();

    // bForSlider: the docked placement, else the floating one.
    CTavoPBarContainer* GetRecentContainer(BOOL bForSlider) const;
    CTavoPBarContainer* GetRecentTabContainer(BOOL bForSlider) const;
    CRect& GetRecentDockedRect(BOOL bForSlider);
    int GetRecentDockedPercent(BOOL bForSlider) const;
    BOOL IsRecentLeftBar(BOOL bForSlider) const;
    CDWordArray& GetRecentListOfBars(BOOL bForSlider);
    void SetRecentListOfBars(BOOL bForSlider, const CDWordArray& list);
    CTavoPSlider* GetRecentDefaultSlider() const;

    CRect m_rectRecentFloatingRect; // screen
    DWORD m_dwRecentAlignmentToFrame;
    int m_nRecentRowIndex;
    CTavoPDockBar* m_pRecentDockBar;
    CTavoPDockBarRow* m_pRecentDockBarRow;
    HWND m_hRecentDefaultSlider;
    HWND m_hRecentMiniFrame;
    CTavoPRecentDockPlacement m_recentSliderInfo;
    CTavoPRecentDockPlacement m_recentMiniFrameInfo;
    CTavoPBaseControlBar* m_pBar;

private:
    CTavoPRecentDockInfo(const CTavoPRecentDockInfo&) = delete;
    CTavoPRecentDockInfo& operator=(const CTavoPRecentDockInfo&) = delete;
    CTavoPRecentDockPlacement& Placement(BOOL bForSlider)
    {
        return bForSlider ? m_recentSliderInfo : m_recentMiniFrameInfo;
    }
    const CTavoPRecentDockPlacement& Placement(BOOL bForSlider) const
    {
        return bForSlider ? m_recentSliderInfo : m_recentMiniFrameInfo;
    }
};
