// Base of the GDI object wrappers: owns one GDI handle and maps handles to wrapper objects.
#pragma once
#include "framework/FrameworkCore.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject();
    virtual ~CGdiObject();

    // Both answer null when called through a null pointer, as callers of the framework expect.
    operator HGDIOBJ() const { return GetSafeHandle(); }
    HGDIOBJ GetSafeHandle() const;

    // A wrapper for any handle: the permanent object that owns it, or else a temporary one
    // of the handle's kind that lives until DeleteTempMap (the idle time of the message loop).
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
    // Number of temporary wrappers alive; lets tests see that idle clean-up frees them.
    static int PASCAL GetTempMapCount();
    // Number of objects that own their handle now; lets tests see that closed windows let go.
    static int PASCAL GetPermanentMapCount();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

private:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
};
