// The bitmap resources one toolbar load puts into the image strips.
#pragma once
#include "framework/FrameworkCore.h"

// 0 = none.
struct CTavoPToolBarParams
{
    UINT m_uiColdResID;
    UINT m_uiHotResID; // the normal images
    UINT m_uiDisabledResID;
    UINT m_uiLargeColdResID;
    UINT m_uiLargeHotResID;
    UINT m_uiLargeDisabledResID;
    UINT m_uiMenuResID;
    UINT m_uiMenuDisabledResID;
};
