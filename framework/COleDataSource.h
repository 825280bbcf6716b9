// Data offered for a transfer: global memory blocks by clipboard format, handed to the clipboard, read back in the same process or dragged.
#pragma once
#include "framework/AfxOle.h"
#include "framework/CObject.h"
#include <wtypes.h>
#include <map>
#include <vector>

class COleDropSource;
class CDataObjectInterface;

class COleDataSource : public CObject
{
public:
    COleDataSource();
    virtual ~COleDataSource();

    // The source owns hGlobal until it is handed to the clipboard.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    // The block cached under the format, still owned by the source; null when none.
    HGLOBAL GetCachedData(CLIPFORMAT cfFormat) const;
    // Puts every cached block on the clipboard, which then owns them.
    BOOL SetClipboard();
    void Empty();

    // Drags the cached data: once the drop source lets the drag begin (the pointer left
    // lpRectStartDrag, in screen coordinates; null: the system's drag distance around the
    // pointer), the system's drag loop runs. The effect the target performed, DROPEFFECT_NONE
    // when the drag did not begin, was cancelled or nothing took it.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);
    // The data as the system's data interface; owned by this source.
    LPDATAOBJECT GetInterface();
    // The formats cached, in format order.
    std::vector<CLIPFORMAT> GetFormats() const;

private:
    void ReleaseInterface();

    std::map<CLIPFORMAT, HGLOBAL> m_data;
    CDataObjectInterface* m_pInterface;
};
