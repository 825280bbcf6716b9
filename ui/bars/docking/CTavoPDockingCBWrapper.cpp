#include "ui/bars/docking/CTavoPDockingCBWrapper.h"

IMPLEMENT_DYNCREATE(CTavoPDockingCBWrapper, CTavoPDockingControlBar)

CTavoPDockingCBWrapper::CTavoPDockingCBWrapper() = default;

CTavoPDockingCBWrapper::~CTavoPDockingCBWrapper() = default;
