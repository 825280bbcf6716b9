#include "framework/CDockBar.h"

IMPLEMENT_DYNAMIC(CDockBar, CWnd)
