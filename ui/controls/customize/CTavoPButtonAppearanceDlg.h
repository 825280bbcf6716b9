// The modal "Button Appearance" dialog: image, text or both for one toolbar or menu button, its text, and its default or user-defined image.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/customize/CTavoPImageListCtrl.h"

class CTavoPToolbarButton;
class CTavoPToolbarImageList;
class CTavoPUserTool;

class CTavoPButtonAppearanceDlg : public CDialog
{
    DECLARE_DYNAMIC(CTavoPButtonAppearanceDlg)
public:
    // Menu mode is for buttons of popup menus. The user image strip may be null.
    CTavoPButtonAppearanceDlg(CTavoPToolbarButton* pButton, CTavoPToolbarImageList* pImages,
                              CWnd* pParent = nullptr, int iStartImage = 0, BOOL bMenuMode = FALSE);
    virtual ~CTavoPButtonAppearanceDlg();

    virtual INT_PTR DoModal() override;

    int GetImageIndex() const { return m_iImage; }
    BOOL IsUserImage() const { return m_bUserButton; }
    BOOL IsShowImage() const { return m_bImage; }
    BOOL IsShowText() const { return m_bText; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    virtual void OnOK() override;
    // No exception of a handler leaves the dialog: it is reported as the library's internal error.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL InitDialog();
    // One prototype button per user image from the first offered one.
    virtual void RebuildImageList();
    virtual void EnableControls();
    // The command's image in the toolbars' default images, -1 when none.
    int GetDefaultImage() const;
    // The image index the button itself has: its user image or its standard one.
    int GetButtonImage() const;
    BOOL IsReadOnly() const;
    // A bitmap of the user images' size compatible with the image list's DC; FALSE on failure.
    BOOL CreateImageBitmap(CBitmap& bitmap);
    // Tells why OK is refused (the dialog's own message box) and puts the focus where to mend it.
    void Refuse(UINT nIDPrompt, CWnd& wndFocus);

    CButton m_wndDefaultImageArea;
    CButton m_wndUserImageArea;
    CStatic m_wndDefaultImage;
    CEdit m_wndButtonText;
    CButton m_wndAddImage;
    CTavoPImageListCtrl m_wndUserImageList;
    CButton m_wndEditImage;
    CString m_strButtonText;
    CString m_strButtonDescr;
    CTavoPToolbarButton* m_pButton;
    CTavoPToolbarImageList* m_pImages;
    int m_iStartImage;
    CObList m_Buttons;
    int m_iImage;
    BOOL m_bImage;
    BOOL m_bText;
    BOOL m_bMenuMode;
    BOOL m_bUserButton;
    CRect m_rectDefaultImage;
    CString m_strAccel;
    CTavoPUserTool* m_pUserTool;

public:
    void OnAddImage();
    void OnEditImage();
    void OnImageList();
    void OnImage();
    void OnImageText();
    void OnText();
    void OnUserImage();
    void OnDefaultImage();
    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
