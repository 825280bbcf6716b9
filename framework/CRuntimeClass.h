// Run-time description of a framework class: name, size, schema, factory and base, for creation and type tests by class.
#pragma once
#include "framework/AfxBase.h"

class CObject;
class CArchive;

// Marks a schema that the reader accepts in any version (the object reads GetObjectSchema itself).
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

    // Class record of an archive: WORD schema, WORD name length, name bytes.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Enters a class into the by-name lookup when its module is initialised.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};
