#include "framework/CGdiObject.h"
#include "framework/CPen.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CBitmap.h"
#include "framework/CRgn.h"
#include "framework/CPalette.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {
// Built on first use: no static constructor order to worry about.
HandleMap<HGDIOBJ, CGdiObject>& Maps()
{
    static HandleMap<HGDIOBJ, CGdiObject> maps;
    return maps;
}

CGdiObject* NewWrapperFor(HGDIOBJ h)
{
    switch (::GetObjectType(h))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: return new CPen;
    case OBJ_BRUSH: return new CBrush;
    case OBJ_FONT: return new CFont;
    case OBJ_BITMAP: return new CBitmap;
    case OBJ_REGION: return new CRgn;
    case OBJ_PAL: return new CPalette;
    default: return new CGdiObject;
    }
}

// A handle freed and reused for another kind of object within one idle cycle must not hand
// out the old wrapper under the wrong class.
bool KindMatches(CGdiObject* p, HGDIOBJ h)
{
    switch (::GetObjectType(h))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: return dynamic_cast<CPen*>(p) != nullptr;
    case OBJ_BRUSH: return dynamic_cast<CBrush*>(p) != nullptr;
    case OBJ_FONT: return dynamic_cast<CFont*>(p) != nullptr;
    case OBJ_BITMAP: return dynamic_cast<CBitmap*>(p) != nullptr;
    case OBJ_REGION: return dynamic_cast<CRgn*>(p) != nullptr;
    case OBJ_PAL: return dynamic_cast<CPalette*>(p) != nullptr;
    default: return true;
    }
}
}

CGdiObject::CGdiObject() : m_hObject(nullptr)
{}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return this == nullptr ? nullptr : m_hObject;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    if (CGdiObject* p = Maps().LookupPermanent(hObject))
        return p;
    if (CGdiObject* p = Maps().LookupTemporary(hObject))
    {
        if (KindMatches(p, hObject))
            return p;
        p->m_hObject = nullptr;
        delete p;
    }
    CGdiObject* p = NewWrapperFor(hObject);
    p->m_hObject = hObject;
    Maps().SetTemporary(hObject, p);
    return p;
}

void PASCAL CGdiObject::DeleteTempMap()
{
    // Temporary wrappers never own their handle.
    Maps().DeleteTemporaries([](CGdiObject* p) {
        p->m_hObject = nullptr;
        delete p;
    });
}

int PASCAL CGdiObject::GetTempMapCount()
{
    return Maps().TemporaryCount();
}

int PASCAL CGdiObject::GetPermanentMapCount()
{
    return Maps().PermanentCount();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    // Re-creating into a wrapper that still owns a handle would leak the old one.
    if (m_hObject != nullptr && m_hObject != hObject)
        DeleteObject();
    m_hObject = hObject;
    Maps().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h != nullptr)
        Maps().RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return (UINT)::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects are never deleted by DeleteObject, so owning one is harmless.
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
