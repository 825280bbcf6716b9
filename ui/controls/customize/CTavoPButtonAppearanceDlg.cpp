#include "ui/controls/customize/CTavoPButtonAppearanceDlg.h"
#include "ui/controls/customize/CTavoPImageEditorDlg.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPDrawState.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPButtonAppearanceDlg, CDialog)
    ON_BN_CLICKED(IDC_TAVOP_NEW_IMAGE, OnAddImage)
    ON_BN_CLICKED(IDC_TAVOP_EDIT_IMAGE, OnEditImage)
    ON_BN_CLICKED(IDC_TAVOP_USER_IMAGES, OnImageList)
    ON_BN_CLICKED(IDC_TAVOP_IMAGE_ONLY, OnImage)
    ON_BN_CLICKED(IDC_TAVOP_IMAGE_AND_TEXT, OnImageText)
    ON_BN_CLICKED(IDC_TAVOP_TEXT_ONLY, OnText)
    ON_BN_CLICKED(IDC_TAVOP_USER_IMAGE, OnUserImage)
    ON_BN_CLICKED(IDC_TAVOP_DEFAULT_IMAGE, OnDefaultImage)
    ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPButtonAppearanceDlg, CDialog)

namespace {

// The application's message box with the library's text.
void ShowAppMessage(UINT nID)
{
    CTavoPResourceScope scope;
    AfxMessageBox(nID, MB_OK);
}

} // namespace

CTavoPButtonAppearanceDlg::CTavoPButtonAppearanceDlg(CTavoPToolbarButton* pButton,
                                                     CTavoPToolbarImageList* pImages, CWnd* pParent,
                                                     int iStartImage, BOOL bMenuMode)
    : CDialog(IDD_TAVOP_BUTTON_APPEARANCE, pParent), m_pButton(pButton), m_pImages(pImages),
      m_iStartImage(iStartImage), m_Buttons(10), m_iImage(-1), m_bImage(FALSE), m_bText(FALSE),
      m_bMenuMode(bMenuMode), m_bUserButton(FALSE), m_rectDefaultImage(0, 0, 0, 0),
      m_pUserTool(nullptr)
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace != nullptr && pWorkspace->m_pUserToolsManager != nullptr)
        m_pUserTool = pWorkspace->m_pUserToolsManager->FindTool(pButton->m_nID);

    if (pButton->m_bUserButton)
        m_bUserButton = TRUE;
    else if (m_pUserTool == nullptr)
        m_bUserButton = GetDefaultImage() < 0;

    m_iImage = GetButtonImage();
    m_bImage = pButton->m_bImage;
    if (bMenuMode && GetCommandManager()->IsMenuItemWithoutImage(pButton->m_nID))
        m_bImage = FALSE;
    m_bText = bMenuMode || pButton->m_bTextBelow ? TRUE : pButton->m_bText;
}

CTavoPButtonAppearanceDlg::~CTavoPButtonAppearanceDlg()
{
    while (!m_Buttons.IsEmpty())
        delete m_Buttons.RemoveHead();
}

INT_PTR CTavoPButtonAppearanceDlg::DoModal()
{
    CTavoPResourceScope scope;
    return CDialog::DoModal();
}

LRESULT CTavoPButtonAppearanceDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return CDialog::WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (const std::exception&)
    {}
    ShowAppMessage(IDS_TAVOP_INTERNAL_ERROR);
    return 0;
}

int CTavoPButtonAppearanceDlg::GetDefaultImage() const
{
    return CTavoPToolBar::GetDefaultImage(m_pButton->m_nID);
}

int CTavoPButtonAppearanceDlg::GetButtonImage() const
{
    return m_pButton->GetImage();
}

BOOL CTavoPButtonAppearanceDlg::IsReadOnly() const
{
    return m_pImages != nullptr && m_pImages->IsShared();
}

void CTavoPButtonAppearanceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_DEFAULT_IMAGE, m_wndDefaultImageArea);
    DDX_Control(pDX, IDC_TAVOP_USER_IMAGE, m_wndUserImageArea);
    DDX_Control(pDX, IDC_TAVOP_DEFAULT_PREVIEW, m_wndDefaultImage);
    DDX_Control(pDX, IDC_TAVOP_BUTTON_TEXT, m_wndButtonText);
    DDX_Control(pDX, IDC_TAVOP_NEW_IMAGE, m_wndAddImage);
    DDX_Control(pDX, IDC_TAVOP_USER_IMAGES, m_wndUserImageList);
    DDX_Control(pDX, IDC_TAVOP_EDIT_IMAGE, m_wndEditImage);
    DDX_Text(pDX, IDC_TAVOP_BUTTON_TEXT, m_strButtonText);
    DDX_Text(pDX, IDC_TAVOP_DESCRIPTION, m_strButtonDescr);
}

BOOL CTavoPButtonAppearanceDlg::OnInitDialog()
{
    try
    {
        return InitDialog();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (const std::exception&)
    {}
    // A half-made dialog must not write into the button: it closes as if cancelled.
    ShowAppMessage(IDS_TAVOP_INTERNAL_ERROR);
    EndDialog(IDCANCEL);
    return FALSE;
}

BOOL CTavoPButtonAppearanceDlg::InitDialog()
{
    CDialog::OnInitDialog();

    if (m_pImages != nullptr)
    {
        m_wndUserImageList.SetImages(m_pImages);
        RebuildImageList();
        m_wndUserImageList.SelectImage(m_iImage);
    }
    else
    {
        m_wndUserImageList.EnableWindow(FALSE);
        m_wndUserImageArea.EnableWindow(FALSE);
        if (m_iImage < 0)
        {
            GetDlgItem(IDC_TAVOP_IMAGE_ONLY)->EnableWindow(FALSE);
            GetDlgItem(IDC_TAVOP_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
    }

    if (!m_bUserButton || m_pButton->IsLocked())
        CheckDlgButton(IDC_TAVOP_DEFAULT_IMAGE, BST_CHECKED);
    else
        CheckDlgButton(IDC_TAVOP_USER_IMAGE, BST_CHECKED);

    if (m_bImage)
        CheckDlgButton(m_bText ? IDC_TAVOP_IMAGE_AND_TEXT : IDC_TAVOP_IMAGE_ONLY, BST_CHECKED);
    else
    {
        CheckDlgButton(IDC_TAVOP_TEXT_ONLY, BST_CHECKED);
        m_bText = TRUE;
        m_wndUserImageList.EnableWindow(FALSE);
    }

    // What follows a tab is the shortcut text, kept aside and put back on OK.
    const int nTab = m_pButton->m_strText.Find(_T('\t'));
    if (nTab >= 0)
    {
        m_strButtonText = m_pButton->m_strText.Left(nTab);
        m_strAccel = m_pButton->m_strText.Mid(nTab + 1);
    }
    else
        m_strButtonText = m_pButton->m_strText;

    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->GetMessageString(m_pButton->m_nID, m_strButtonDescr);

    if (m_bMenuMode)
    {
        if (m_iImage < 0)
        {
            GetDlgItem(IDC_TAVOP_TEXT_ONLY)->EnableWindow(FALSE);
            GetDlgItem(IDC_TAVOP_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
        GetDlgItem(IDC_TAVOP_IMAGE_ONLY)->EnableWindow(FALSE);
    }
    if (m_pButton->m_bTextBelow)
        GetDlgItem(IDC_TAVOP_IMAGE_ONLY)->EnableWindow(FALSE);

    CRect rectPreview;
    m_wndDefaultImage.GetWindowRect(rectPreview);
    ScreenToClient(rectPreview);
    m_rectDefaultImage = CRect(rectPreview.TopLeft(), CTavoPToolBar::GetImages()->GetImageSize());

    EnableControls();
    UpdateData(FALSE);
    return TRUE;
}

void CTavoPButtonAppearanceDlg::RebuildImageList()
{
    m_wndUserImageList.RemoveButtons();
    while (!m_Buttons.IsEmpty())
        delete m_Buttons.RemoveHead();

    if (m_pImages != nullptr)
        for (int iImage = m_iStartImage; iImage < m_pImages->GetCount(); iImage++)
        {
            CTavoPToolbarButton* pButton = new CTavoPToolbarButton;
            pButton->SetImage(iImage);
            m_wndUserImageList.AddButton(pButton);
            m_Buttons.AddTail(pButton);
        }
    m_wndUserImageList.RedrawWindow();
}

void CTavoPButtonAppearanceDlg::EnableControls()
{
    const BOOL bLocked = m_pButton->IsLocked();
    const BOOL bImages = m_pImages != nullptr;

    m_wndButtonText.EnableWindow(m_bText && !(m_bMenuMode && m_pUserTool != nullptr));
    const BOOL bList = m_bImage && bImages && m_bUserButton && !m_bMenuMode && !bLocked;
    m_wndUserImageList.EnableWindow(bList);
    m_wndAddImage.EnableWindow(bList && !IsReadOnly());
    m_wndEditImage.EnableWindow(m_bImage && bImages && m_iImage >= 0 && m_bUserButton &&
                                !IsReadOnly() && !bLocked);
    m_wndUserImageArea.EnableWindow(m_bImage && bImages && !m_bMenuMode && !bLocked);
    m_wndDefaultImageArea.EnableWindow(
        m_pUserTool != nullptr || (m_bImage && GetDefaultImage() >= 0 && !m_bMenuMode && !bLocked));
    InvalidateRect(m_rectDefaultImage);
}

void CTavoPButtonAppearanceDlg::OnImage()
{
    m_bImage = TRUE;
    m_bText = FALSE;
    EnableControls();
}

void CTavoPButtonAppearanceDlg::OnImageText()
{
    m_bImage = TRUE;
    m_bText = TRUE;
    EnableControls();
}

void CTavoPButtonAppearanceDlg::OnText()
{
    m_bImage = FALSE;
    m_bText = TRUE;
    EnableControls();
}

void CTavoPButtonAppearanceDlg::OnUserImage()
{
    m_iImage = -1;
    m_bUserButton = TRUE;
    CheckDlgButton(IDC_TAVOP_DEFAULT_IMAGE, BST_UNCHECKED);
    EnableControls();
    m_wndUserImageList.SelectButton(nullptr);
}

void CTavoPButtonAppearanceDlg::OnDefaultImage()
{
    m_iImage = GetButtonImage();
    m_bUserButton = FALSE;
    CheckDlgButton(IDC_TAVOP_USER_IMAGE, BST_UNCHECKED);
    EnableControls();
}

void CTavoPButtonAppearanceDlg::OnImageList()
{
    CTavoPToolbarButton* pSelected = m_wndUserImageList.GetSelected();
    m_iImage = pSelected != nullptr ? pSelected->GetImage() : -1;
    m_wndEditImage.EnableWindow(m_iImage >= 0 && m_pImages != nullptr && !IsReadOnly());
}

BOOL CTavoPButtonAppearanceDlg::CreateImageBitmap(CBitmap& bitmap)
{
    const CSize size = m_pImages->GetImageSize();
    CClientDC dc(&m_wndUserImageList);
    return bitmap.CreateCompatibleBitmap(&dc, size.cx, size.cy);
}

void CTavoPButtonAppearanceDlg::OnAddImage()
{
    if (m_pImages == nullptr)
        return;
    try
    {
        CBitmap bitmap;
        CDC dcMem;
        CBitmap* pOld = nullptr;
        if (CreateImageBitmap(bitmap) && dcMem.CreateCompatibleDC(nullptr))
            pOld = dcMem.SelectObject(&bitmap);
        if (pOld == nullptr)
        {
            ShowAppMessage(IDS_TAVOP_CANT_CREATE_IMAGE);
            return;
        }
        dcMem.FillRect(CRect(CPoint(0, 0), m_pImages->GetImageSize()), &GetGlobalData().brBtnFace);
        dcMem.SelectObject(pOld);

        CTavoPImageEditorDlg dlg(&bitmap, this, m_pImages->GetBitsPerPixel());
        if (dlg.DoModal() != IDOK)
            return;

        const int iImage = m_pImages->AddImage((HBITMAP)bitmap.m_hObject);
        if (iImage < 0)
        {
            ShowAppMessage(IDS_TAVOP_CANT_CREATE_IMAGE);
            return;
        }
        RebuildImageList();
        m_wndUserImageList.SelectImage(iImage);
    }
    catch (CException* e)
    {
        e->Delete();
        ShowAppMessage(IDS_TAVOP_INTERNAL_ERROR);
    }
}

void CTavoPButtonAppearanceDlg::OnEditImage()
{
    if (m_pImages == nullptr || m_iImage < 0)
        return;

    CBitmap bitmap;
    CDC dcMem;
    if (!CreateImageBitmap(bitmap) || !dcMem.CreateCompatibleDC(nullptr))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    if (pOld == nullptr)
        return;

    // Drawn over silver with silver as the transparent colour, so that what shows through the
    // image is the colour the editor maps to the button face.
    const COLORREF clrSilver = RGB(192, 192, 192);
    const COLORREF clrOldTransparent = m_pImages->SetTransparentColor(clrSilver);
    m_pImages->BuildLightStrip();
    dcMem.FillSolidRect(CRect(CPoint(0, 0), m_pImages->GetImageSize()), clrSilver);
    CTavoPDrawState ds;
    if (m_pImages->PrepareDraw(ds))
    {
        m_pImages->Draw(&dcMem, 0, 0, m_iImage);
        m_pImages->EndDraw(ds);
    }
    m_pImages->SetTransparentColor(clrOldTransparent);
    m_pImages->BuildLightStrip();
    dcMem.SelectObject(pOld);

    CTavoPImageEditorDlg dlg(&bitmap, this, m_pImages->GetBitsPerPixel());
    if (dlg.DoModal() == IDOK)
    {
        m_pImages->UpdateImage(m_iImage, (HBITMAP)bitmap.m_hObject);
        m_wndUserImageList.Invalidate();
    }
}

void CTavoPButtonAppearanceDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_pUserTool != nullptr)
    {
        m_pUserTool->DrawToolIcon(&dc, m_rectDefaultImage);
        return;
    }

    CTavoPToolbarImageList* pDefaults = CTavoPToolBar::GetImages();
    CTavoPDrawState ds;
    if (m_pButton->IsLocked())
    {
        const BOOL bText = m_pButton->m_bText;
        const BOOL bImage = m_pButton->m_bImage;
        m_pButton->m_bText = FALSE;
        m_pButton->m_bImage = TRUE;
        if (pDefaults->PrepareDraw(ds))
        {
            m_pButton->OnDraw(&dc, m_rectDefaultImage, pDefaults, TRUE, FALSE, FALSE, FALSE);
            pDefaults->EndDraw(ds);
        }
        m_pButton->m_bText = bText;
        m_pButton->m_bImage = bImage;
        return;
    }

    const int iDefault = GetDefaultImage();
    if (m_bImage && iDefault >= 0 && pDefaults->PrepareDraw(ds))
    {
        pDefaults->Draw(&dc, m_rectDefaultImage.left, m_rectDefaultImage.top, iDefault);
        pDefaults->EndDraw(ds);
    }
}

void CTavoPButtonAppearanceDlg::Refuse(UINT nIDPrompt, CWnd& wndFocus)
{
    CString strMessage;
    {
        CTavoPResourceScope scope;
        strMessage.LoadString(nIDPrompt);
    }
    MessageBox(strMessage, nullptr, MB_OK);
    wndFocus.SetFocus();
}

void CTavoPButtonAppearanceDlg::OnOK()
{
    if (!UpdateData())
        return;

    int iImage = m_iImage;
    if (!m_bUserButton)
        iImage = m_pUserTool != nullptr ? 0 : GetDefaultImage();

    if (m_bImage && iImage < 0)
    {
        Refuse(IDS_TAVOP_SELECT_IMAGE, m_wndUserImageList);
        return;
    }
    if (m_bText && m_strButtonText.IsEmpty())
    {
        Refuse(IDS_TAVOP_ENTER_TEXT, m_wndButtonText);
        return;
    }

    if (!m_pButton->m_bTextBelow)
        m_pButton->m_bText = m_bText;
    if (m_bMenuMode)
        GetCommandManager()->EnableMenuItemImage(m_pButton->m_nID, m_bImage);
    else
        m_pButton->m_bImage = m_bImage;
    m_pButton->m_bUserButton = m_bUserButton;
    m_pButton->SetImage(iImage);
    m_pButton->m_strText = m_strButtonText;
    if (!m_strAccel.IsEmpty())
        m_pButton->m_strText += _T("\t") + m_strAccel;

    CDialog::OnOK();
}
