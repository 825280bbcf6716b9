// The data source as the system's data interface, and dragging it.
#include "framework/COleDataSource.h"
#include "framework/CAfxOleInterface.h"
#include "framework/COleDropSource.h"
#include "framework/CWnd.h"
#include <shlobj.h>
#include <string.h>
#include <vector>

// Answers the system for its source; it outlives the source only as an empty shell.
class CDataObjectInterface : public CAfxOleInterface<IDataObject, COleDataSource>
{
public:
    explicit CDataObjectInterface(COleDataSource* pOwner)
        : CAfxOleInterface(pOwner, IID_IDataObject)
    {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (pFormat == NULL || pMedium == NULL)
            return E_INVALIDARG;
        memset(pMedium, 0, sizeof(*pMedium));
        const HRESULT hr = QueryGetData(pFormat);
        if (hr != S_OK)
            return hr;
        HGLOBAL hCopy = Copy(m_pOwner->GetCachedData(pFormat->cfFormat));
        if (hCopy == NULL)
            return E_OUTOFMEMORY;
        if (pFormat->tymed & TYMED_HGLOBAL)
        {
            pMedium->tymed = TYMED_HGLOBAL;
            pMedium->hGlobal = hCopy;
            return S_OK;
        }
        IStream* pStream = NULL;
        if (FAILED(::CreateStreamOnHGlobal(hCopy, TRUE, &pStream)))
        {
            ::GlobalFree(hCopy);
            return E_OUTOFMEMORY;
        }
        pMedium->tymed = TYMED_ISTREAM;
        pMedium->pstm = pStream;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override
    {
        if (pFormat == NULL)
            return E_INVALIDARG;
        if (m_pOwner == NULL)
            return E_UNEXPECTED;
        if (pFormat->dwAspect != DVASPECT_CONTENT || pFormat->lindex != -1)
            return DV_E_FORMATETC;
        if (m_pOwner->GetCachedData(pFormat->cfFormat) == NULL)
            return DV_E_FORMATETC;
        if ((pFormat->tymed & (TYMED_HGLOBAL | TYMED_ISTREAM)) == 0)
            return DV_E_TYMED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* pIn, FORMATETC* pOut) override
    {
        if (pOut == NULL)
            return E_INVALIDARG;
        if (pIn != NULL)
            *pOut = *pIn;
        pOut->ptd = NULL;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (ppEnum == NULL)
            return E_INVALIDARG;
        *ppEnum = NULL;
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        if (m_pOwner == NULL)
            return E_UNEXPECTED;
        std::vector<FORMATETC> formats;
        for (const CLIPFORMAT cf : m_pOwner->GetFormats())
            formats.push_back(
                FORMATETC{cf, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM});
        return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), ppEnum);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    // The receiver owns what it gets: a copy, so that the source keeps its own block.
    static HGLOBAL Copy(HGLOBAL hData)
    {
        const SIZE_T nSize = ::GlobalSize(hData);
        HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize != 0 ? nSize : 1);
        if (hCopy == NULL)
            return NULL;
        const void* pFrom = ::GlobalLock(hData);
        void* pTo = ::GlobalLock(hCopy);
        if (pFrom == NULL || pTo == NULL)
        {
            if (pFrom != NULL)
                ::GlobalUnlock(hData);
            if (pTo != NULL)
                ::GlobalUnlock(hCopy);
            ::GlobalFree(hCopy);
            return NULL;
        }
        memcpy(pTo, pFrom, nSize);
        ::GlobalUnlock(hData);
        ::GlobalUnlock(hCopy);
        return hCopy;
    }
};

LPDATAOBJECT COleDataSource::GetInterface()
{
    if (m_pInterface == NULL)
        m_pInterface = new CDataObjectInterface(this);
    return m_pInterface;
}

void COleDataSource::ReleaseInterface()
{
    if (m_pInterface == NULL)
        return;
    m_pInterface->Detach();
    m_pInterface = NULL;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag,
                                      COleDropSource* pDropSource)
{
    COleDropSource sourceDefault;
    if (pDropSource == NULL)
        pDropSource = &sourceDefault;

    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    if (lpRectStartDrag != NULL)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    else
    {
        pDropSource->m_rectStartDrag = CRect(ptCursor, CSize(0, 0));
        pDropSource->m_rectStartDrag.InflateRect(::GetSystemMetrics(SM_CXDRAG),
                                                 ::GetSystemMetrics(SM_CYDRAG));
    }
    // The button that is down drops; the other one cancels.
    const BOOL bSwapped = ::GetSystemMetrics(SM_SWAPBUTTON);
    const BOOL bRight = (::GetKeyState(bSwapped ? VK_LBUTTON : VK_RBUTTON) & 0x8000) != 0 &&
                        (::GetKeyState(bSwapped ? VK_RBUTTON : VK_LBUTTON) & 0x8000) == 0;
    pDropSource->m_dwButtonDrop = bRight ? MK_RBUTTON : MK_LBUTTON;
    pDropSource->m_dwButtonCancel = bRight ? MK_LBUTTON : MK_RBUTTON;

    if (!pDropSource->OnBeginDrag(CWnd::WindowFromPoint(ptCursor)))
        return DROPEFFECT_NONE;
    DWORD dwEffect = DROPEFFECT_NONE;
    const HRESULT hr =
        ::DoDragDrop(GetInterface(), pDropSource->GetInterface(), dwEffects, &dwEffect);
    if (hr != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return dwEffect;
}
