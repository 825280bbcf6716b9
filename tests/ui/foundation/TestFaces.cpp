#include "tests/ui/foundation/TestFaces.h"

namespace vmtest {
IMPLEMENT_DYNAMIC(CTavoPBaseControlBar, CObject)
IMPLEMENT_DYNAMIC(CTavoPToolBar, CTavoPBaseControlBar)
IMPLEMENT_DYNAMIC(CTavoPMenuBar, CTavoPToolBar)
IMPLEMENT_DYNAMIC(CTavoPPopupMenuBar, CTavoPToolBar)
IMPLEMENT_DYNAMIC(CTavoPCaptionBar, CTavoPBaseControlBar)
IMPLEMENT_DYNAMIC(CTavoPDockingControlBar, CWnd)
IMPLEMENT_DYNAMIC(CTavoPToolbarButton, CObject)
IMPLEMENT_DYNAMIC(CTavoPToolbarMenuButton, CTavoPToolbarButton)
IMPLEMENT_DYNAMIC(CTavoPOutlookButton, CTavoPToolbarButton)
} // namespace vmtest
