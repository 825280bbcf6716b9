#include "ui/foundation/CTavoPRegistryHolder.h"

namespace {
CRuntimeClass* g_pRegistryClass = nullptr;
}

void CTavoPRegistryHolder::SetRegistryClass(CRuntimeClass* pClass)
{
    // Only a creatable class derived from CTavoPRegistry can stand in for it.
    if (pClass != nullptr && (!pClass->IsDerivedFrom(RUNTIME_CLASS(CTavoPRegistry)) ||
                              pClass->m_pfnCreateObject == nullptr))
        return;
    g_pRegistryClass = pClass;
}

CRuntimeClass* CTavoPRegistryHolder::GetRegistryClass()
{
    return g_pRegistryClass;
}

CTavoPRegistry& CTavoPRegistryHolder::Create(BOOL bAdmin, BOOL bReadOnly)
{
    if (m_pRegistry != nullptr)
        return *m_pRegistry;
    if (g_pRegistryClass != nullptr)
        m_pRegistry = DYNAMIC_DOWNCAST(CTavoPRegistry, g_pRegistryClass->CreateObject());
    if (m_pRegistry == nullptr)
        m_pRegistry = new CTavoPRegistry;
    m_pRegistry->m_bReadOnly = bReadOnly;
    m_pRegistry->m_bAdmin = bAdmin;
    m_pRegistry->m_hKey = bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    m_pRegistry->m_dwUserData = m_dwUserData;
    return *m_pRegistry;
}
