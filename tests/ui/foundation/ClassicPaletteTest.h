// Fixture of the foundation's pixel tests: classic system colours, true-colour depth, and
// the global data refreshed before and after.
#pragma once
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ClassicColors.h"
#include <gtest/gtest.h>

class ClassicPaletteTest : public ::testing::Test
{
protected:
    void SetUp() override { GetGlobalData().UpdateSysColors(); }
    void TearDown() override
    {
        CDC::SetScreenBitsPerPixelOverride(0);
        GetGlobalData().UpdateSysColors();
        GetGlobalData().UpdateFonts();
    }
    ClassicColors m_colors;
};
