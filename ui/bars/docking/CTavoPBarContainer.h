// A node of the layout tree of docking panes: two elements and the slider between them; so far only its shared ownership.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPBaseControlBar;

class CTavoPBarContainer : public CObject
{
    DECLARE_DYNAMIC(CTavoPBarContainer)
public:
    CTavoPBarContainer();
    virtual ~CTavoPBarContainer();

    // Remembered places hold references; the last release deletes the container.
    void AddRef() { m_dwRefCount++; }
    void Release();
    DWORD GetRefCount() const { return m_dwRefCount; }
    // The first (left or top) element of the node.
    virtual CTavoPBaseControlBar* GetLeftBar() const { return NULL; }

protected:
    DWORD m_dwRefCount;
};
