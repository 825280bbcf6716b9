// The receiving side of a transfer: reads the data of one clipboard format from a data source, the clipboard or a dragged data interface.
#pragma once
#include "framework/AfxOle.h"
#include "framework/CObject.h"
#include <objidl.h>
#include <wtypes.h>

class CFile;
class CSharedFile;
class COleDataSource;

class COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();

    // Reads from a source of this process; the source must outlive the object.
    void Attach(const COleDataSource* pSource);
    // Reads through the system's data interface (a dragged object); with bAutoRelease the
    // object takes over the caller's reference.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    BOOL AttachClipboard();
    void Release();

    BOOL IsDataAvailable(CLIPFORMAT cfFormat) const;
    // A file over a copy of the data; the caller deletes it. Null when the format is absent.
    CFile* GetFileData(CLIPFORMAT cfFormat) const;
    // A copy of the data in a medium the caller releases (ReleaseStgMedium): a bitmap or palette
    // as TYMED_GDI, anything else as TYMED_HGLOBAL. FALSE when the format is absent.
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium) const;

private:
    HGLOBAL GetData(CLIPFORMAT cfFormat) const;
    CFile* GetFileFromInterface(CLIPFORMAT cfFormat) const;
    static CSharedFile* ReadMedium(const STGMEDIUM& medium);

    const COleDataSource* m_pSource;
    BOOL m_bClipboardOpen;
    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;
};
