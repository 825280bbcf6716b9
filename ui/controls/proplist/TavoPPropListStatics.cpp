// The process-wide objects of the property list, defined here in one place: the registered
// message its owner hears and the formats of numeric values, both there from start-up.
#include "ui/controls/proplist/CTavoPPropList.h"

const UINT TAVOM_PROPERTYCHANGED = ::RegisterWindowMessage(_T("TAVOM_PROPERTYCHANGED"));

namespace {

const TCHAR* const kFormatShort = _T("%d");
const TCHAR* const kFormatLong = _T("%ld");
const TCHAR* const kFormatFloat = _T("%f");
const TCHAR* const kFormatDouble = _T("%lf");

} // namespace

LPCTSTR CTavoPProp::GetNumberFormat(VARTYPE vt)
{
    switch (vt)
    {
    case VT_I2: return kFormatShort;
    case VT_R4: return kFormatFloat;
    case VT_R8: return kFormatDouble;
    default: return kFormatLong;
    }
}
