#include "ui/bars/panes/CTavoPDockingCBWrapper.h"

IMPLEMENT_DYNCREATE(CTavoPDockingCBWrapper, CTavoPDockingControlBar)

CTavoPDockingCBWrapper::CTavoPDockingCBWrapper() = default;

CTavoPDockingCBWrapper::~CTavoPDockingCBWrapper() = default;
