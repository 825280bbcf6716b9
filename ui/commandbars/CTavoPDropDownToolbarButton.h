// A toolbar button that stands for a whole drop-down toolbar: a click runs the last chosen command, a held press drops the toolbar down.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPDropDownToolBar;
class CTavoPDropDownFrame;

class CTavoPDropDownToolbarButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CTavoPDropDownToolbarButton)
    friend class CTavoPDropDownFrame;

public:
    CTavoPDropDownToolbarButton();
    // A button for the choices of pToolBar, named lpszName in menus and command lists; its
    // command is the toolbar's first.
    CTavoPDropDownToolbarButton(LPCTSTR lpszName, CTavoPDropDownToolBar* pToolBar);
    virtual ~CTavoPDropDownToolbarButton();

    // The ID of the press timer on the bar; apart from every other timer of the bars and menus.
    static constexpr UINT_PTR kPressTimerId = 0x4D10;
    // How long a press is held before the toolbar drops down, in ms.
    static constexpr UINT kPressDelay = 500;

    // The command becomes the current one and shows the image of its button in the source bar.
    void SetCurrentCommand(UINT uiCmd);
    CTavoPDropDownToolBar* GetDropDownToolBar() const { return m_pToolBar; }
    const CString& GetName() const { return m_strName; }
    // The open frame of choices, null when none is open.
    CTavoPDropDownFrame* GetDropDownFrame() const { return m_pPopupMenu; }
    BOOL IsPressTimerRunning() const { return m_uiTimer != 0; }
    int GetCurrentImage() const { return m_iSelectedImage; }
    BOOL IsCurrentImageUserImage() const { return m_bLocalUserButton; }

    virtual void Serialize(CArchive& ar) override;
    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // Starts the press timer on the first call; the timer's call drops the toolbar down. Always
    // FALSE: the bar keeps its own press.
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    virtual BOOL OnClickUp() override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    virtual BOOL ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const override;
    virtual void OnCancelMode() override;
    virtual BOOL OnCustomizeMenu(CMenu* pMenu) override;
    virtual int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    virtual BOOL IsOnPlainToolBar() const override;

protected:
    void DropDownToolbar(CWnd* pWnd);
    void StopPressTimer();
    // Closes the open frame of choices, if any.
    void CloseDropDownFrame();
    // Whether the bar that holds the button still has it pressed.
    BOOL IsPressHeld() const;
    // The image fields of the base while the current image is shown in their place.
    struct ImageFields
    {
        int iImage;
        int iUserImage;
        BOOL bImage;
        BOOL bUserButton;
    };
    ImageFields ShowCurrentImage();
    void RestoreImageFields(const ImageFields& fields);
    static void CALLBACK PressTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);

    CTavoPDropDownToolBar* m_pToolBar;
    CString m_strName;
    CTavoPDropDownFrame* m_pPopupMenu;
    CWnd* m_pWndParent;
    UINT_PTR m_uiTimer;
    int m_iSelectedImage;
    BOOL m_bInternalDraw;
    BOOL m_bLocalUserButton;

    // The button whose press timer runs; null when none.
    static CTavoPDropDownToolbarButton* m_pPressedButton;
};
