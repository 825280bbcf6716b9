#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CTavoPToolbarButton, CObject, VERSIONABLE_SCHEMA | 1)

CString CTavoPToolbarButton::m_strClipboardFormatName;
CList<UINT, UINT> CTavoPToolbarButton::m_lstProtectedCommands;
CLIPFORMAT CTavoPToolbarButton::m_cFormat = 0;

// Stands for a literal "&&" while the mnemonic marks are stripped.
static const char kMnemonicPlaceholder[] = "\x01\x01";

CTavoPToolbarButton::CTavoPToolbarButton()
    : m_bUserButton(FALSE), m_nID(0), m_nStyle(0), m_bText(FALSE), m_bImage(TRUE), m_bWrap(FALSE),
      m_nReserved(1), m_bTextBelow(FALSE), m_bDragFromCollection(FALSE), m_rect(0, 0, 0, 0),
      m_iImage(-1), m_iUserImage(-1), m_bLocked(FALSE), m_bIsHidden(FALSE), m_nTextWidth(0),
      m_nTextHeight(0), m_bDisableFill(FALSE), m_bExtraSize(FALSE), m_bHorz(TRUE)
{}

CTavoPToolbarButton::CTavoPToolbarButton(UINT uiID, int iImage, LPCTSTR lpszText, BOOL bUserButton,
                                         BOOL bLocked)
    : CTavoPToolbarButton()
{
    m_bLocked = bLocked;
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText == NULL ? _T("") : lpszText;

    if (m_nID == 0 || m_bLocked)
        return;
    int& iStored = m_bUserButton ? m_iUserImage : m_iImage;
    if (iStored == -1)
        iStored = GetCommandManager()->GetCmdImage(m_nID, m_bUserButton);
    else
        GetCommandManager()->SetCmdImage(m_nID, iStored, m_bUserButton);
}

CTavoPToolbarButton::~CTavoPToolbarButton()
{}

// The button archive: every derived button appends its own fields behind these.
void CTavoPToolbarButton::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nID << (DWORD)m_nStyle << (int)GetImage();
        ar << m_strText;
        ar << (int)m_bUserButton << (int)m_bDragFromCollection << (int)m_bText << (int)m_bImage;
        return;
    }

    DWORD dwID = 0;
    DWORD dwStyle = 0;
    int iImage = -1;
    int nUser = 0;
    int nNew = 0;
    int nText = 0;
    int nImage = 0;
    ar >> dwID >> dwStyle >> iImage;
    ar >> m_strText;
    ar >> nUser >> nNew >> nText >> nImage;
    m_nID = dwID;
    m_nStyle = dwStyle;
    m_bUserButton = nUser;
    m_bDragFromCollection = nNew;
    m_bText = nText;
    m_bImage = nImage;
    SetImage(iImage);
}

void CTavoPToolbarButton::CopyFrom(const CTavoPToolbarButton& src)
{
    m_nID = src.m_nID;
    m_bLocked = src.m_bLocked;
    m_bUserButton = src.m_bUserButton;
    m_nStyle = src.m_nStyle;
    SetImage(src.GetImage());
    m_strText = src.m_strText;
    m_bText = src.m_bText;
    m_bImage = src.m_bImage;
    m_bWrap = src.m_bWrap;
    m_strTextCustom = src.m_strTextCustom;
    m_bDragFromCollection = FALSE;
}

void CTavoPToolbarButton::SetImage(int iImage)
{
    if (m_nStyle & TBBS_SEPARATOR)
    {
        m_iImage = iImage; // a separator keeps its width here
        return;
    }
    if (m_bUserButton)
        m_iUserImage = iImage;
    else
        m_iImage = iImage;

    if (!m_bLocked && m_nID != 0)
    {
        if (iImage == -1)
        {
            m_iImage = GetCommandManager()->GetCmdImage(m_nID, FALSE);
            m_iUserImage = GetCommandManager()->GetCmdImage(m_nID, TRUE);
            if (m_iImage == -1)
                m_bUserButton = !m_bUserButton;
        }
        else if (m_bUserButton || GetGlobalData().m_bRegisterCmdImages)
            GetCommandManager()->SetCmdImage(m_nID, iImage, m_bUserButton);
    }

    if (GetImage() < 0)
    {
        m_bImage = FALSE;
        m_bText = TRUE;
    }
}

void CTavoPToolbarButton::ResetImageToDefault()
{
    if (m_bUserButton || (int)m_nID <= 0)
        return;
    const int iImage = GetCommandManager()->GetCmdImage(m_nID, FALSE);
    if (iImage >= 0)
    {
        SetImage(iImage);
        return;
    }
    if (!m_bImage)
        return;
    m_bImage = FALSE;
    m_bText = TRUE;
    if (m_strText.IsEmpty())
    {
        CString strMessage;
        if (strMessage.LoadString(m_nID))
        {
            const int nNewLine = strMessage.Find(_T('\n'));
            if (nNewLine >= 0)
                m_strText = strMessage.Mid(nNewLine + 1);
        }
    }
}

// Recent files, system commands, OLE verbs and the top of the ID range stay as the program made them.
BOOL CTavoPToolbarButton::CanBeCustomized() const
{
    const UINT id = m_nID;
    if ((id >= 0xE110 && id <= 0xE11F) || (id >= 0xF000 && id <= 0xF1EF) || id >= 0xFF00 ||
        (id >= 0xE210 && id <= 0xE21F))
        return FALSE;
    return m_lstProtectedCommands.Find(id) == NULL;
}

void CTavoPToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(CTavoPToolBar, pWndParent);
    m_bExtraSize = pBar != NULL && pBar->IsButtonExtraSizeAvailable();
}

BOOL CTavoPToolbarButton::ExportToMenuButton(CTavoPToolbarMenuButton& menuButton) const
{
    if (m_strText.IsEmpty() && m_nID != 0)
    {
        CString strMessage;
        if (strMessage.LoadString(m_nID))
        {
            const int nNewLine = strMessage.Find(_T('\n'));
            if (nNewLine >= 0)
                menuButton.m_strText = strMessage.Mid(nNewLine + 1);
        }
    }
    return TRUE;
}

BOOL CTavoPToolbarButton::EnableWindow(BOOL bEnable)
{
    HWND hwnd = GetHwnd();
    return hwnd != NULL ? ::EnableWindow(hwnd, bEnable) : 0;
}

BOOL CTavoPToolbarButton::IsControlVisible() const
{
    HWND hwnd = const_cast<CTavoPToolbarButton*>(this)->GetHwnd();
    return hwnd != NULL && (::GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CTavoPToolbarButton::IsOwnerOf(HWND hwnd)
{
    HWND hwndControl = GetHwnd();
    return hwndControl != NULL && hwnd != NULL &&
           (hwnd == hwndControl || ::IsChild(hwndControl, hwnd));
}

BOOL CTavoPToolbarButton::HasFocus() const
{
    return const_cast<CTavoPToolbarButton*>(this)->IsOwnerOf(::GetFocus());
}

int CTavoPToolbarButton::OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI)
{
    CTavoPFrameHooks* pFrame = GetHookFrame(pWnd);
    return pFrame != NULL && pFrame->OnMenuButtonToolHitTest(this, pTI);
}

CTavoPFrameHooks* CTavoPToolbarButton::GetHookFrame(const CWnd* pWnd)
{
    return CTavoPFrameHooks::FromFrame(CTavoPFrameHooks::GetTopFrameOf(pWnd));
}

CString CTavoPToolbarButton::StripMnemonic(const CString& str)
{
    CString strResult = str;
    strResult.Replace(_T("&&"), kMnemonicPlaceholder);
    strResult.Remove(_T('&'));
    strResult.Replace(kMnemonicPlaceholder, _T("&"));
    return strResult;
}

CLIPFORMAT CTavoPToolbarButton::GetClipboardFormat()
{
    if (m_cFormat == 0)
    {
        CString strName = m_strClipboardFormatName;
        if (strName.IsEmpty())
            strName.Format(_T("TavoToolbarButton%lx"),
                           (unsigned long)(UINT_PTR)AfxGetInstanceHandle());
        m_cFormat = (CLIPFORMAT)::RegisterClipboardFormat(strName);
    }
    return m_cFormat;
}

BOOL CTavoPToolbarButton::PrepareDrag(COleDataSource& srcItem)
{
    if (!CanBeStored())
        return TRUE;
    try
    {
        CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
        {
            CArchive ar(&file, CArchive::store, 4096);
            ar.WriteClass(GetRuntimeClass());
            Serialize(ar);
            ar.Close();
        }
        srcItem.CacheGlobalData(GetClipboardFormat(), file.Detach());
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

CTavoPToolbarButton* CTavoPToolbarButton::CreateFromOleData(COleDataObject* pDataObject)
{
    if (pDataObject == NULL)
        return NULL;
    CFile* pFile = pDataObject->GetFileData(GetClipboardFormat());
    if (pFile == NULL)
        return NULL;

    CTavoPToolbarButton* pButton = NULL;
    try
    {
        CArchive ar(pFile, CArchive::load, 4096);
        // Anything but a button in the data is refused, not built.
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CTavoPToolbarButton));
        pButton = (CTavoPToolbarButton*)pClass->CreateObject();
        if (pButton != NULL)
            pButton->Serialize(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        delete pButton;
        pButton = NULL;
    }
    delete pFile;
    return pButton;
}
