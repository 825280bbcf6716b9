#include "ui/commandbars/managers/CTavoPAcceleratorText.h"

CTavoPAcceleratorText::CTavoPAcceleratorText(const ACCEL* lpAccel) : m_lpAccel(lpAccel)
{}

CTavoPAcceleratorText::~CTavoPAcceleratorText()
{}

CString CTavoPAcceleratorText::KeyName(UINT uiVirtKey)
{
    const UINT uiScanCode = ::MapVirtualKeyEx(uiVirtKey, 0, ::GetKeyboardLayout(0));
    LONG lParam = (LONG)((uiScanCode << 16) | 1);
    // Page keys, arrows, Insert, Delete and their neighbours share scan codes with the keypad:
    // only the extended bit names the grey keys.
    if (uiVirtKey >= VK_PRIOR && uiVirtKey <= VK_HELP)
        lParam |= 1L << 24;

    char szName[50] = {};
    ::GetKeyNameTextA(lParam, szName, (int)sizeof(szName));
    CString strName(szName);
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++)
    {
        const unsigned char ch = (unsigned char)strName[i];
        if (ch >= 0x80)
            break; // a lead byte of a double-byte character: nothing to upper-case
        if (ch >= 'a' && ch <= 'z')
        {
            strName.SetAt(i, (char)(ch - 'a' + 'A'));
            break;
        }
    }
    return strName;
}

void CTavoPAcceleratorText::Format(CString& str) const
{
    str.Empty();
    if (m_lpAccel == nullptr)
        return;

    const BYTE fVirt = m_lpAccel->fVirt;
    if (fVirt & FCONTROL)
        str += KeyName(VK_CONTROL) + _T("+");
    if (fVirt & FSHIFT)
        str += KeyName(VK_SHIFT) + _T("+");
    if (fVirt & FALT)
        str += KeyName(VK_MENU) + _T("+");

    if (fVirt & FVIRTKEY)
        str += KeyName(m_lpAccel->key);
    else if (m_lpAccel->key != 27)
        str += (char)(BYTE)m_lpAccel->key;
}
