// The text of one accelerator entry as menus, tool tips and the keyboard page show it, such as Ctrl+Shift+F5.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPAcceleratorText
{
public:
    // The entry is not copied: it must outlive the object.
    explicit CTavoPAcceleratorText(const ACCEL* lpAccel = nullptr);
    virtual ~CTavoPAcceleratorText();

    // Modifiers in the order Control, Shift, Alt, each with "+", then the key's name.
    void Format(CString& str) const;

    // The keyboard layout's name of a virtual key, lower-cased with its first letter upper-cased.
    static CString KeyName(UINT uiVirtKey);

protected:
    const ACCEL* m_lpAccel;
};
