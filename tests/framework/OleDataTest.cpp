// Data offered for a drag through the system's data interface: formats and media, reading it back, and an interface that outlives its source.
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/CAfxOleInterface.h"
#include "framework/CFile.h"
#include <gtest/gtest.h>
#include <memory>
#include <string.h>
#include <string>

namespace {

HGLOBAL Block(const char* pszText)
{
    const size_t nSize = strlen(pszText);
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    memcpy(::GlobalLock(hGlobal), pszText, nSize);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

std::string ReadAll(CFile* pFile)
{
    std::string str((size_t)pFile->GetLength(), '\0');
    pFile->Read(&str[0], (UINT)str.size());
    return str;
}

FORMATETC Format(CLIPFORMAT cf, DWORD tymed)
{
    return FORMATETC{cf, NULL, DVASPECT_CONTENT, -1, tymed};
}

// A data object that hands out its data only as streams, as some sources do.
class CStreamOnly : public CAfxOleInterface<IDataObject, IDataObject>
{
public:
    explicit CStreamOnly(IDataObject* pInner) : CAfxOleInterface(pInner, IID_IDataObject) {}
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        FORMATETC format = *pFormat;
        format.tymed &= TYMED_ISTREAM;
        return m_pOwner->GetData(&format, pMedium);
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override
    {
        return m_pOwner->QueryGetData(pFormat);
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

} // namespace

TEST(OleData, InterfaceOffersEachFormatAsMemoryOrStreamOnly)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    const CLIPFORMAT cfButton = (CLIPFORMAT)::RegisterClipboardFormat("OleDataTestFormat");
    {
        COleDataSource source;
        source.CacheGlobalData(cfButton, Block("button bytes"));
        IDataObject* pData = source.GetInterface();

        struct Case
        {
            CLIPFORMAT cf;
            DWORD tymed;
            HRESULT hr;
        } cases[] = {{cfButton, TYMED_HGLOBAL, S_OK},
                     {cfButton, TYMED_ISTREAM, S_OK},
                     {cfButton, TYMED_GDI, DV_E_TYMED},
                     {CF_TEXT, TYMED_HGLOBAL, DV_E_FORMATETC}};
        for (const Case& c : cases)
        {
            FORMATETC format = Format(c.cf, c.tymed);
            EXPECT_EQ(c.hr, pData->QueryGetData(&format)) << c.cf << " " << c.tymed;
            STGMEDIUM medium = {};
            EXPECT_EQ(c.hr, pData->GetData(&format, &medium)) << c.cf << " " << c.tymed;
            if (c.hr == S_OK)
            {
                EXPECT_EQ(c.tymed, medium.tymed);
                ::ReleaseStgMedium(&medium);
            }
        }

        IEnumFORMATETC* pEnum = NULL;
        ASSERT_EQ(S_OK, pData->EnumFormatEtc(DATADIR_GET, &pEnum));
        FORMATETC listed[4];
        ULONG nListed = 0;
        pEnum->Next(4, listed, &nListed);
        pEnum->Release();
        ASSERT_EQ(1u, nListed);
        EXPECT_EQ(cfButton, listed[0].cfFormat);

        // The receiver reads a copy: the source still has its block afterwards.
        COleDataObject data;
        data.Attach(pData, FALSE);
        EXPECT_TRUE(data.IsDataAvailable(cfButton));
        EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
        std::unique_ptr<CFile> pFile(data.GetFileData(cfButton));
        ASSERT_NE(nullptr, pFile);
        EXPECT_EQ("button bytes", ReadAll(pFile.get()));
        EXPECT_EQ(nullptr, data.GetFileData(CF_TEXT));
        EXPECT_NE(nullptr, source.GetCachedData(cfButton));

        // Through a stream the bytes are the same.
        CStreamOnly* pStreams = new CStreamOnly(pData);
        COleDataObject streamed;
        streamed.Attach(pStreams, TRUE);
        std::unique_ptr<CFile> pStreamFile(streamed.GetFileData(cfButton));
        ASSERT_NE(nullptr, pStreamFile);
        EXPECT_EQ("button bytes", ReadAll(pStreamFile.get()));
        streamed.Release();

        // A holder of the interface may keep it past the source's end.
        pData->AddRef();
        data.Release();
        source.Empty();
        EXPECT_EQ(nullptr, std::unique_ptr<CFile>(COleDataObject().GetFileData(cfButton)));
        FORMATETC format = Format(cfButton, TYMED_HGLOBAL);
        EXPECT_EQ(DV_E_FORMATETC, pData->QueryGetData(&format));
        COleDataSource* pGoneSource = new COleDataSource;
        pGoneSource->CacheGlobalData(cfButton, Block("x"));
        IDataObject* pGone = pGoneSource->GetInterface();
        pGone->AddRef();
        delete pGoneSource;
        EXPECT_EQ(E_UNEXPECTED, pGone->QueryGetData(&format));
        STGMEDIUM medium = {};
        EXPECT_EQ(E_UNEXPECTED, pGone->GetData(&format, &medium));
        pGone->Release();
        pData->Release();
    }
    ::OleUninitialize();
}
