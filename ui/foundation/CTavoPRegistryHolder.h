// Scope holder of the registry object of one load or save: makes it on demand, deletes it at the end.
#pragma once
#include "ui/foundation/CTavoPRegistry.h"

class CTavoPRegistryHolder
{
public:
    CTavoPRegistryHolder(int dwUserData = 0) : m_pRegistry(nullptr), m_dwUserData(dwUserData) {}
    ~CTavoPRegistryHolder() { delete m_pRegistry; }

    // The holder's object, made on the first call (later calls return it unchanged).
    CTavoPRegistry& Create(BOOL bAdmin, BOOL bReadOnly);

    // A class derived from CTavoPRegistry to use instead (null = CTavoPRegistry itself).
    static void SetRegistryClass(CRuntimeClass* pClass);
    static CRuntimeClass* GetRegistryClass();

private:
    CTavoPRegistryHolder(const CTavoPRegistryHolder&) = delete;
    CTavoPRegistryHolder& operator=(const CTavoPRegistryHolder&) = delete;
    CTavoPRegistry* m_pRegistry;
    int m_dwUserData;
};
