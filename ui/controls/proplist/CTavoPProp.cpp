#include "ui/controls/proplist/CTavoPProp.h"
#include "ui/controls/proplist/CTavoPPropEditWnd.h"
#include "ui/controls/proplist/CTavoPPropList.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "res/LibraryIds.h"
#include <errno.h>
#include <math.h>
#include <stdlib.h>
#include <algorithm>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CTavoPProp, CObject)

namespace {

const UINT kEditorId = 3;
const int kTextMargin = 3;
// Rows a drop-down list shows when open.
const int kDropDownRows = 8;

// A whole decimal integer (spaces around it allowed) within [nMin, nMax].
BOOL ParseInteger(const CString& strText, long long nMin, long long nMax, long long& nResult)
{
    CString str = strText;
    str.Trim();
    if (str.IsEmpty())
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    const long long n = strtoll(str, &pEnd, 10);
    if (errno != 0 || pEnd == nullptr || *pEnd != '\0' || n < nMin || n > nMax)
        return FALSE;
    nResult = n;
    return TRUE;
}

// A whole finite decimal number within +-dMax.
BOOL ParseReal(const CString& strText, double dMax, double& dResult)
{
    CString str = strText;
    str.Trim();
    if (str.IsEmpty())
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    const double d = strtod(str, &pEnd);
    if (errno != 0 || pEnd == nullptr || *pEnd != '\0' || !isfinite(d) || fabs(d) > dMax)
        return FALSE;
    dResult = d;
    return TRUE;
}

} // namespace

CString CTavoPProp::BstrToString(BSTR bstr)
{
    if (bstr == nullptr)
        return CString();
    const int nWide = (int)::SysStringLen(bstr);
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, nullptr, 0, nullptr, nullptr);
    std::string text((size_t)std::max(0, nBytes), '\0');
    if (nBytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, &text[0], nBytes, nullptr, nullptr);
    return CString(text.c_str());
}

BSTR CTavoPProp::StringToBstr(const CString& str)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, str, str.GetLength(), nullptr, 0);
    BSTR bstr = ::SysAllocStringLen(nullptr, (UINT)std::max(0, nWide));
    if (bstr != nullptr && nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, str, str.GetLength(), bstr, nWide);
    return bstr;
}

VARIANT CTavoPProp::MakeTextValue(const CString& str)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_BSTR;
    var.bstrVal = StringToBstr(str);
    return var;
}

CTavoPProp::CTavoPProp(const CString& strGroupName, DWORD_PTR dwData)
    : m_strName(strGroupName), m_dwData(dwData), m_bGroup(TRUE)
{
    Init();
}

CTavoPProp::CTavoPProp(const CString& strName, const VARIANT& varValue, LPCTSTR lpszDescr,
                       DWORD_PTR dwData)
    : m_strName(strName), m_strDescr(lpszDescr), m_dwData(dwData), m_bGroup(FALSE)
{
    Init();
    ::VariantCopy(&m_varValue, const_cast<VARIANT*>(&varValue));
    if (m_varValue.vt == VT_BOOL)
    {
        m_varValue.boolVal = m_varValue.boolVal ? VARIANT_TRUE : VARIANT_FALSE;
        AddOption(GetBoolText(TRUE));
        AddOption(GetBoolText(FALSE));
    }
}

void CTavoPProp::Init()
{
    ::VariantInit(&m_varValue);
    m_bExpanded = TRUE;
    m_bVisible = TRUE;
    m_bEnabled = TRUE;
    m_bAllowEdit = TRUE;
    m_Rect.SetRectEmpty();
    m_rectValue.SetRectEmpty();
    m_nLevel = 0;
    m_pWndList = nullptr;
    m_pParent = nullptr;
    m_pWndInPlace = nullptr;
    m_bInPlaceIsCombo = FALSE;
}

CTavoPProp::~CTavoPProp()
{
    if (m_pWndInPlace != nullptr)
        OnEndEdit();
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
        delete (CTavoPProp*)m_lstSubItems.GetNext(pos);
    m_lstSubItems.RemoveAll();
    ::VariantClear(&m_varValue);
}

// ---- the tree ----

BOOL CTavoPProp::AddSubItem(CTavoPProp* pProp)
{
    if (pProp == nullptr || pProp == this || pProp->m_pParent != nullptr ||
        pProp->m_pWndList != nullptr)
        return FALSE;
    pProp->m_pParent = this;
    pProp->SetOwnerList(m_pWndList);
    m_lstSubItems.AddTail(pProp);
    if (m_pWndList != nullptr && m_pWndList->GetSafeHwnd() != NULL)
        m_pWndList->AdjustLayout();
    return TRUE;
}

CTavoPProp* CTavoPProp::GetSubItem(int nIndex) const
{
    POSITION pos = m_lstSubItems.FindIndex(nIndex);
    return pos == nullptr ? nullptr : (CTavoPProp*)m_lstSubItems.GetAt(pos);
}

void CTavoPProp::SetOwnerList(CTavoPPropList* pWndList)
{
    m_pWndList = pWndList;
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
        ((CTavoPProp*)m_lstSubItems.GetNext(pos))->SetOwnerList(pWndList);
}

int CTavoPProp::GetHierarchyLevel() const
{
    int nLevel = 0;
    for (const CTavoPProp* p = m_pParent; p != nullptr; p = p->m_pParent)
        nLevel++;
    return nLevel;
}

BOOL CTavoPProp::IsParentExpanded() const
{
    for (const CTavoPProp* p = m_pParent; p != nullptr; p = p->m_pParent)
        if (!p->m_bExpanded || !p->m_bVisible)
            return FALSE;
    return TRUE;
}

// ---- options ----

void CTavoPProp::AddOption(LPCTSTR lpszOption)
{
    m_lstOptions.AddTail(CString(lpszOption));
}

CString CTavoPProp::GetOption(int nIndex) const
{
    POSITION pos = m_lstOptions.FindIndex(nIndex);
    return pos == nullptr ? CString() : m_lstOptions.GetAt(pos);
}

// ---- data ----

void CTavoPProp::SetName(LPCTSTR lpszName, BOOL bRedraw)
{
    m_strName = lpszName;
    if (bRedraw)
        Redraw();
}

BOOL CTavoPProp::SetValue(const VARIANT& varValue)
{
    // A value made of sub-items is set through them.
    if (m_bGroup || IsValueComposite())
        return FALSE;
    VARIANT var;
    ::VariantInit(&var);
    HRESULT hr = S_OK;
    if (m_varValue.vt == VT_EMPTY || varValue.vt == m_varValue.vt)
        hr = ::VariantCopy(&var, const_cast<VARIANT*>(&varValue));
    else if (varValue.vt == VT_BSTR)
    {
        // Text goes through the same reading as what the user types.
        if (!TextToVar(BstrToString(varValue.bstrVal), var))
            hr = E_INVALIDARG;
    }
    else
        hr = ::VariantChangeType(&var, const_cast<VARIANT*>(&varValue), 0, m_varValue.vt);
    if (FAILED(hr))
    {
        ::VariantClear(&var);
        return FALSE;
    }
    if (var.vt == VT_BOOL)
        var.boolVal = var.boolVal ? VARIANT_TRUE : VARIANT_FALSE;
    ::VariantClear(&m_varValue);
    m_varValue = var; // takes over the copy
    OnValueSet();
    return TRUE;
}

void CTavoPProp::SetValue(long lValue)
{
    if (m_bGroup || IsValueComposite())
        return;
    if (m_varValue.vt == VT_BOOL)
        m_varValue.boolVal = lValue != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    else
    {
        ::VariantClear(&m_varValue);
        m_varValue.vt = VT_I4;
        m_varValue.lVal = lValue;
    }
    OnValueSet();
}

void CTavoPProp::OnValueSet()
{
    Redraw();
    if (m_pWndInPlace == nullptr || m_pWndInPlace->GetSafeHwnd() == NULL)
        return;
    if (m_bInPlaceIsCombo)
        ((CComboBox*)m_pWndInPlace)
            ->SetCurSel(((CComboBox*)m_pWndInPlace)->FindStringExact(-1, FormatProperty()));
    else if (m_pWndInPlace->IsKindOf(RUNTIME_CLASS(CTavoPPropEditWnd)))
        m_pWndInPlace->SetWindowText(FormatProperty());
}

void CTavoPProp::Expand(BOOL bExpand)
{
    if (!HasExpandBox() || m_bExpanded == bExpand)
        return;
    m_bExpanded = bExpand;
    if (m_pWndList == nullptr || m_pWndList->GetSafeHwnd() == NULL)
        return;

    // A row that collapses away takes its editor and the selection to this row.
    CTavoPProp* pSel = m_pWndList->GetCurSel();
    if (!bExpand && pSel != nullptr && pSel != this)
    {
        for (CTavoPProp* p = pSel->m_pParent; p != nullptr; p = p->m_pParent)
            if (p == this)
            {
                m_pWndList->EndEditItem(TRUE);
                m_pWndList->SetCurSel(this, FALSE);
                break;
            }
    }
    const int nTop = m_Rect.top;
    m_pWndList->ReposProperties();
    CRect rectRedraw;
    m_pWndList->GetClientRect(rectRedraw);
    rectRedraw.top = std::max((int)rectRedraw.top, nTop);
    rectRedraw.bottom = m_pWndList->GetListRect().bottom;
    m_pWndList->InvalidateRect(rectRedraw);
}

void CTavoPProp::Show(BOOL bShow)
{
    if (m_bVisible == bShow)
        return;
    m_bVisible = bShow;
    if (m_pWndList != nullptr && m_pWndList->GetSafeHwnd() != NULL)
    {
        m_pWndList->AdjustLayout();
        m_pWndList->Invalidate();
    }
}

void CTavoPProp::Enable(BOOL bEnable)
{
    m_bEnabled = bEnable;
    Redraw();
}

BOOL CTavoPProp::IsSelected() const
{
    return m_pWndList != nullptr && m_pWndList->GetCurSel() == this;
}

// ---- layout and hit test ----

void CTavoPProp::Reposition(int& y, int nLevel)
{
    if (!m_bVisible)
    {
        ClearLayout();
        return;
    }
    const CRect rectList = m_pWndList->GetListRect();
    const int nRowHeight = m_pWndList->GetRowHeight();
    m_nLevel = nLevel;
    m_Rect = CRect(rectList.left, y, rectList.right, y + nRowHeight);
    if (m_bGroup)
        m_rectValue.SetRectEmpty();
    else
        m_rectValue = CRect(rectList.left + m_pWndList->GetLeftColumnWidth(), y, rectList.right,
                            y + nRowHeight);
    y += nRowHeight;

    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPProp* pSub = (CTavoPProp*)m_lstSubItems.GetNext(pos);
        if (m_bExpanded)
            pSub->Reposition(y, nLevel + 1);
        else
            pSub->ClearLayout();
    }
}

void CTavoPProp::ClearLayout()
{
    m_Rect.SetRectEmpty();
    m_rectValue.SetRectEmpty();
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
        ((CTavoPProp*)m_lstSubItems.GetNext(pos))->ClearLayout();
}

int CTavoPProp::GetNameLeft() const
{
    const int nRowHeight = m_pWndList != nullptr ? m_pWndList->GetRowHeight() : 0;
    return m_Rect.left + (m_nLevel + 1) * nRowHeight;
}

CTavoPProp* CTavoPProp::HitTest(CPoint point, ClickArea* pnArea)
{
    if (m_Rect.PtInRect(point))
    {
        ClickArea area = ClickValue;
        if (HasExpandBox() && point.x < GetNameLeft() &&
            point.x >= GetNameLeft() - m_pWndList->GetRowHeight())
            area = ClickExpandBox;
        else if (m_bGroup || m_rectValue.IsRectEmpty() || point.x < m_rectValue.left)
            area = ClickName;
        if (pnArea != nullptr)
            *pnArea = area;
        return this;
    }
    if (!m_bExpanded)
        return nullptr;
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPProp* pHit = ((CTavoPProp*)m_lstSubItems.GetNext(pos))->HitTest(point, pnArea);
        if (pHit != nullptr)
            return pHit;
    }
    return nullptr;
}

// ---- value as text ----

CString CTavoPProp::GetBoolText(BOOL bValue)
{
    CString str;
    CTavoPResourceScope scope;
    str.LoadString(bValue ? IDS_TAVOP_PROP_TRUE : IDS_TAVOP_PROP_FALSE);
    return str;
}

CString CTavoPProp::FormatProperty()
{
    if (IsValueComposite())
    {
        CString str;
        for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != nullptr;)
        {
            if (!str.IsEmpty())
                str += ", ";
            str += ((CTavoPProp*)m_lstSubItems.GetNext(pos))->FormatProperty();
        }
        return str;
    }

    CString str;
    switch (m_varValue.vt)
    {
    case VT_EMPTY:
    case VT_NULL: break;
    case VT_BSTR: str = BstrToString(m_varValue.bstrVal); break;
    case VT_BOOL: str = GetBoolText(m_varValue.boolVal != VARIANT_FALSE); break;
    case VT_I2: str.Format(GetNumberFormat(VT_I2), (int)m_varValue.iVal); break;
    case VT_I4: str.Format(GetNumberFormat(VT_I4), (long)m_varValue.lVal); break;
    case VT_INT: str.Format(GetNumberFormat(VT_I4), (long)m_varValue.intVal); break;
    case VT_R4: str.Format(GetNumberFormat(VT_R4), (double)m_varValue.fltVal); break;
    case VT_R8: str.Format(GetNumberFormat(VT_R8), m_varValue.dblVal); break;
    default:
    {
        VARIANT var;
        ::VariantInit(&var);
        if (SUCCEEDED(::VariantChangeType(&var, &m_varValue, 0, VT_BSTR)))
            str = BstrToString(var.bstrVal);
        ::VariantClear(&var);
        break;
    }
    }
    return str;
}

BOOL CTavoPProp::TextToVar(const CString& strText, VARIANT& varResult) const
{
    ::VariantInit(&varResult);
    long long n = 0;
    double d = 0;
    switch (m_varValue.vt)
    {
    case VT_BSTR:
        varResult.vt = VT_BSTR;
        varResult.bstrVal = StringToBstr(strText);
        return varResult.bstrVal != nullptr;
    case VT_BOOL:
    {
        CString str = strText;
        str.Trim();
        if (str.CompareNoCase(GetBoolText(TRUE)) == 0)
            varResult.boolVal = VARIANT_TRUE;
        else if (str.CompareNoCase(GetBoolText(FALSE)) == 0)
            varResult.boolVal = VARIANT_FALSE;
        else
            return FALSE;
        varResult.vt = VT_BOOL;
        return TRUE;
    }
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    {
        // What does not fit the item's type is refused, never cut down.
        struct Range
        {
            VARTYPE vt;
            long long nMin, nMax;
        };
        static const Range ranges[] = {
            {VT_I1, -128, 127},
            {VT_UI1, 0, 255},
            {VT_I2, -32768, 32767},
            {VT_UI2, 0, 65535},
            {VT_I4, -2147483647LL - 1, 2147483647LL},
            {VT_INT, -2147483647LL - 1, 2147483647LL},
            {VT_UI4, 0, 4294967295LL},
            {VT_UINT, 0, 4294967295LL},
        };
        for (const Range& range : ranges)
        {
            if (range.vt != m_varValue.vt)
                continue;
            if (!ParseInteger(strText, range.nMin, range.nMax, n))
                return FALSE;
            VARIANT varNumber;
            ::VariantInit(&varNumber);
            varNumber.vt = VT_I8;
            varNumber.llVal = n;
            return SUCCEEDED(::VariantChangeType(&varResult, &varNumber, 0, m_varValue.vt));
        }
        return FALSE;
    }
    case VT_R4:
        if (!ParseReal(strText, 3.402823466e+38, d))
            return FALSE;
        varResult.vt = VT_R4;
        varResult.fltVal = (float)d;
        return TRUE;
    case VT_R8:
        if (!ParseReal(strText, 1.7976931348623157e+308, d))
            return FALSE;
        varResult.vt = VT_R8;
        varResult.dblVal = d;
        return TRUE;
    case VT_EMPTY:
    case VT_NULL: return FALSE;
    default:
    {
        VARIANT varText;
        ::VariantInit(&varText);
        varText.vt = VT_BSTR;
        varText.bstrVal = StringToBstr(strText);
        const HRESULT hr = ::VariantChangeType(&varResult, &varText, 0, m_varValue.vt);
        ::VariantClear(&varText);
        return SUCCEEDED(hr);
    }
    }
}

BOOL CTavoPProp::IsSameValue(const VARIANT& var1, const VARIANT& var2)
{
    if (var1.vt != var2.vt)
        return FALSE;
    if (var1.vt == VT_BSTR)
    {
        const UINT n1 = ::SysStringLen(var1.bstrVal), n2 = ::SysStringLen(var2.bstrVal);
        return n1 == n2 && (n1 == 0 || memcmp(var1.bstrVal, var2.bstrVal, n1 * sizeof(WCHAR)) == 0);
    }
    return ::VarCmp(const_cast<VARIANT*>(&var1), const_cast<VARIANT*>(&var2), LOCALE_USER_DEFAULT,
                    0) == (HRESULT)VARCMP_EQ;
}

// ---- in-place editing ----

CRect CTavoPProp::GetButtonRect() const
{
    if (!HasButton() || m_rectValue.IsRectEmpty())
        return CRect(0, 0, 0, 0);
    CRect rect = m_rectValue;
    rect.left = std::max(rect.left, rect.right - rect.Height());
    return rect;
}

CRect CTavoPProp::GetEditorRect() const
{
    CRect rect = m_rectValue;
    rect.left += 1;
    rect.bottom -= 1;
    if (HasButton())
        rect.right = GetButtonRect().left;
    return rect;
}

BOOL CTavoPProp::OnEdit(LPPOINT /*lptClick*/)
{
    if (m_pWndList == nullptr || m_bGroup || !m_bAllowEdit || !m_bEnabled ||
        m_rectValue.IsRectEmpty())
        return FALSE;
    if (m_pWndInPlace != nullptr)
        return TRUE;

    BOOL bDefaultFormat = TRUE;
    m_pWndInPlace = CreateInPlaceEdit(GetEditorRect(), bDefaultFormat);
    if (m_pWndInPlace == nullptr)
        return FALSE;
    m_pWndInPlace->SetFont(m_pWndList->GetListFont(), FALSE);
    if (bDefaultFormat)
    {
        const CString strValue = FormatProperty();
        if (m_bInPlaceIsCombo)
        {
            CComboBox* pCombo = (CComboBox*)m_pWndInPlace;
            for (POSITION pos = m_lstOptions.GetHeadPosition(); pos != nullptr;)
                pCombo->AddString(m_lstOptions.GetNext(pos));
            pCombo->SetCurSel(pCombo->FindStringExact(-1, strValue));
        }
        else
        {
            m_pWndInPlace->SetWindowText(strValue);
            m_pWndInPlace->SendMessage(EM_SETSEL, 0, -1);
        }
    }
    m_pWndInPlace->SetFocus();
    return TRUE;
}

CWnd* CTavoPProp::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat)
{
    bDefaultFormat = TRUE;
    m_bInPlaceIsCombo = !m_lstOptions.IsEmpty();
    CTavoPPropEditWnd* pWnd = new CTavoPPropEditWnd(this, m_pWndList, m_bInPlaceIsCombo);
    BOOL bCreated;
    if (m_bInPlaceIsCombo)
    {
        rectEdit.bottom = rectEdit.top + m_pWndList->GetRowHeight() * kDropDownRows;
        bCreated =
            pWnd->CreateEx(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                           rectEdit, m_pWndList, kEditorId);
    }
    else
        bCreated = pWnd->CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rectEdit,
                                  m_pWndList, kEditorId);
    if (!bCreated)
    {
        // A failed creation has deleted the editor already (its window's last message).
        m_bInPlaceIsCombo = FALSE;
        return nullptr;
    }
    return pWnd;
}

BOOL CTavoPProp::OnUpdateValue()
{
    if (m_pWndInPlace == nullptr || m_pWndList == nullptr)
        return TRUE;

    CString strText;
    if (m_bInPlaceIsCombo)
    {
        const int nSel = ((CComboBox*)m_pWndInPlace)->GetCurSel();
        if (nSel < 0)
            return TRUE; // nothing chosen: nothing to take
        ((CComboBox*)m_pWndInPlace)->GetLBText(nSel, strText);
    }
    else
        m_pWndInPlace->GetWindowText(strText);

    if (IsValueComposite())
    {
        CString strBad;
        if (!UpdateSubItems(strText, strBad))
        {
            ReportBadValue(strBad);
            return FALSE;
        }
        return TRUE;
    }

    VARIANT var;
    if (!TextToVar(strText, var))
    {
        ReportBadValue(strText);
        return FALSE;
    }
    if (!IsSameValue(var, m_varValue))
    {
        ::VariantClear(&m_varValue);
        m_varValue = var; // takes over the converted value
        Redraw();
        NotifyChanged(this);
    }
    else
        ::VariantClear(&var);
    return TRUE;
}

BOOL CTavoPProp::UpdateSubItems(const CString& strText, CString& strBad)
{
    // Every part converts before any sub-item changes.
    const int nCount = GetSubItemsCount();
    std::vector<VARIANT> values((size_t)nCount);
    for (VARIANT& var : values)
        ::VariantInit(&var);
    auto clear = [&values]() {
        for (VARIANT& var : values)
            ::VariantClear(&var);
    };

    int nPart = 0;
    int nStart = 0;
    for (;;)
    {
        const int nComma = strText.Find(',', nStart);
        CString strPart = nComma < 0 ? strText.Mid(nStart) : strText.Mid(nStart, nComma - nStart);
        strPart.Trim();
        CTavoPProp* pSub = nPart < nCount ? GetSubItem(nPart) : nullptr;
        if (pSub == nullptr || !pSub->TextToVar(strPart, values[(size_t)nPart]))
        {
            strBad = pSub == nullptr ? strText : strPart;
            clear();
            return FALSE;
        }
        nPart++;
        if (nComma < 0)
            break;
        nStart = nComma + 1;
    }
    if (nPart != nCount)
    {
        strBad = strText;
        clear();
        return FALSE;
    }

    std::vector<CTavoPProp*> changed;
    for (int i = 0; i < nCount; i++)
    {
        CTavoPProp* pSub = GetSubItem(i);
        if (IsSameValue(values[(size_t)i], pSub->m_varValue))
            continue;
        ::VariantClear(&pSub->m_varValue);
        pSub->m_varValue = values[(size_t)i];
        ::VariantInit(&values[(size_t)i]);
        pSub->Redraw();
        changed.push_back(pSub);
    }
    clear();
    if (!changed.empty())
        Redraw();
    // The owner may delete every item on hearing of a change: then no more is told.
    CTavoPPropList* pList = m_pWndList;
    const UINT nDeletions = pList->GetDeletionCount();
    for (CTavoPProp* pSub : changed)
    {
        if (pList->GetDeletionCount() != nDeletions)
            break;
        pList->OnPropertyChanged(pSub);
    }
    return TRUE;
}

BOOL CTavoPProp::ApplyValue(const VARIANT& varValue)
{
    VARIANT varOld;
    ::VariantInit(&varOld);
    ::VariantCopy(&varOld, &m_varValue);
    if (!SetValue(varValue))
    {
        ::VariantClear(&varOld);
        return FALSE;
    }
    if (!IsSameValue(varOld, m_varValue))
        NotifyChanged(this);
    ::VariantClear(&varOld);
    return TRUE;
}

void CTavoPProp::ReportBadValue(const CString& strText)
{
    if (m_pWndList != nullptr)
        m_pWndList->ReportBadValue(this, strText);
}

void CTavoPProp::NotifyChanged(CTavoPProp* pProp)
{
    if (pProp->m_pParent != nullptr && !pProp->m_pParent->m_bGroup)
        pProp->m_pParent->Redraw();
    if (m_pWndList != nullptr)
        m_pWndList->OnPropertyChanged(pProp);
}

BOOL CTavoPProp::OnEndEdit()
{
    CWnd* pWnd = m_pWndInPlace;
    m_pWndInPlace = nullptr;
    m_bInPlaceIsCombo = FALSE;
    if (pWnd == nullptr)
        return TRUE;
    // The list's own editors delete themselves when their window goes; others are ours.
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPPropEditWnd)))
        pWnd->DestroyWindow();
    else
    {
        pWnd->DestroyWindow();
        delete pWnd;
    }
    Redraw();
    return TRUE;
}

BOOL CTavoPProp::OnClickValue(UINT uiMsg, CPoint point)
{
    if (HasButton() && GetButtonRect().PtInRect(point))
    {
        OnClickButton(point);
        return TRUE;
    }
    if (m_pWndInPlace == nullptr || m_pWndInPlace->GetSafeHwnd() == NULL)
        return FALSE;
    CPoint pt = point;
    m_pWndList->MapWindowPoints(m_pWndInPlace, &pt, 1);
    CRect rectEditor;
    m_pWndInPlace->GetClientRect(rectEditor);
    // A drop-down list opens only from its arrow: a click elsewhere just selects the row.
    if (m_bInPlaceIsCombo && pt.x < rectEditor.right - ::GetSystemMetrics(SM_CXVSCROLL))
        return TRUE;
    m_pWndInPlace->SendMessage(uiMsg, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    if (uiMsg == WM_LBUTTONDOWN && !m_bInPlaceIsCombo)
        m_pWndInPlace->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    return TRUE;
}

void CTavoPProp::OnClickName(CPoint /*point*/)
{}

BOOL CTavoPProp::OnDblClick(CPoint /*point*/)
{
    if (m_pWndInPlace == nullptr || !m_bInPlaceIsCombo)
        return FALSE;
    // A double-click steps to the next option: a boolean toggles.
    CComboBox* pCombo = (CComboBox*)m_pWndInPlace;
    const int nCount = pCombo->GetCount();
    if (nCount <= 0)
        return FALSE;
    pCombo->SetCurSel((pCombo->GetCurSel() + 1) % nCount);
    return OnUpdateValue();
}

void CTavoPProp::OnClickButton(CPoint /*point*/)
{}

// ---- tips ----

CString CTavoPProp::GetNameTooltip()
{
    if (m_pWndList == nullptr || m_Rect.IsRectEmpty())
        return CString();
    CClientDC dc(m_pWndList);
    CFont* pOldFont =
        dc.SelectObject(m_bGroup ? m_pWndList->GetBoldFont() : m_pWndList->GetListFont());
    const int nWidth = dc.GetTextExtent(m_strName).cx;
    dc.SelectObject(pOldFont);
    const int nRoom =
        (m_bGroup ? m_Rect.right : m_rectValue.left) - GetNameLeft() - 2 * kTextMargin;
    return nWidth > nRoom ? m_strName : CString();
}

CString CTavoPProp::GetValueTooltip()
{
    if (m_pWndList == nullptr || m_bGroup || m_rectValue.IsRectEmpty())
        return CString();
    const CString strValue = FormatProperty();
    CClientDC dc(m_pWndList);
    CFont* pOldFont = dc.SelectObject(m_pWndList->GetListFont());
    const int nWidth = dc.GetTextExtent(strValue).cx;
    dc.SelectObject(pOldFont);
    CRect rectText = m_rectValue;
    if (HasButton())
        rectText.right = GetButtonRect().left;
    return nWidth > rectText.Width() - 2 * kTextMargin ? strValue : CString();
}

// ---- drawing ----

void CTavoPProp::OnDrawName(CDC* pDC, CRect rect)
{
    rect.DeflateRect(kTextMargin, 0);
    pDC->DrawText(m_strName, rect,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CTavoPProp::OnDrawValue(CDC* pDC, CRect rect)
{
    rect.DeflateRect(kTextMargin, 0);
    pDC->DrawText(FormatProperty(), rect,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CTavoPProp::OnDrawExpandBox(CDC* pDC, CRect rect)
{
    const int nBox = std::max(5, std::min(9, (int)rect.Height() - 4) | 1);
    const CPoint center = rect.CenterPoint();
    const CRect rectBox(CPoint(center.x - nBox / 2, center.y - nBox / 2), CSize(nBox, nBox));
    pDC->FillSolidRect(rectBox, ::GetSysColor(COLOR_WINDOW));
    pDC->Draw3dRect(rectBox, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
    const COLORREF clrSign = GetGlobalData().clrBtnText;
    const int nArm = nBox / 2 - 2;
    pDC->FillSolidRect(center.x - nArm, center.y, 2 * nArm + 1, 1, clrSign);
    if (!m_bExpanded)
        pDC->FillSolidRect(center.x, center.y - nArm, 1, 2 * nArm + 1, clrSign);
}

void CTavoPProp::OnDrawButton(CDC* pDC, CRect rect)
{
    pDC->FillSolidRect(rect, GetGlobalData().clrBtnFace);
    pDC->Draw3dRect(rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnDkShadow);
    const COLORREF clrOld =
        pDC->SetTextColor(m_bEnabled ? GetGlobalData().clrBtnText : GetGlobalData().clrGrayedText);
    pDC->DrawText("...", rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
}

void CTavoPProp::OnDrawDescription(CDC* pDC, CRect rect)
{
    rect.DeflateRect(kTextMargin, kTextMargin);
    CFont* pOldFont = pDC->SelectObject(m_pWndList->GetBoldFont());
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    CRect rectName = rect;
    rectName.bottom = std::min((int)rect.bottom, (int)(rect.top + tm.tmHeight));
    pDC->DrawText(m_strName, rectName, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SelectObject(m_pWndList->GetListFont());
    CRect rectDescr = rect;
    rectDescr.top = rectName.bottom + kTextMargin;
    if (rectDescr.top < rectDescr.bottom)
        pDC->DrawText(m_strDescr, rectDescr,
                      DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
}

void CTavoPProp::Redraw()
{
    if (m_pWndList == nullptr || m_pWndList->GetSafeHwnd() == NULL || m_Rect.IsRectEmpty())
        return;
    m_pWndList->InvalidateRect(m_Rect);
    // The description shows this row's name while it is selected.
    if (IsSelected() && m_pWndList->IsDescriptionArea())
        m_pWndList->InvalidateRect(m_pWndList->GetDescriptionRect());
}
