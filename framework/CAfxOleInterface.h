// The reference-counted shell of one system interface that an owning framework object answers through; it outlives its owner only as an empty shell.
#pragma once
#include "framework/AfxOle.h"

template <class TInterface, class TOwner>
class CAfxOleInterface : public TInterface
{
public:
    CAfxOleInterface(TOwner* pOwner, REFIID iid) : m_pOwner(pOwner), m_iid(iid), m_nRefs(1) {}

    // Null once the owner is gone.
    TOwner* m_pOwner;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == NULL)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, m_iid))
        {
            *ppv = static_cast<TInterface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRefs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return (ULONG)nRefs;
    }
    // The owner lets go of its interface when it is destroyed.
    void Detach()
    {
        m_pOwner = NULL;
        Release();
    }

protected:
    virtual ~CAfxOleInterface() {}

private:
    const IID m_iid;
    LONG m_nRefs;
};
