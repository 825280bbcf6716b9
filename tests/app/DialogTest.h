// Shared set-up of the dialog tests: recorded message boxes and launches, a fixed clock, a fresh database.
#pragma once
#include "framework/CTestSeams.h"
#include "framework/CTime.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestDatabase.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Message boxes and launches are recorded, the clock stands at 2003-11-24 15:30:12.
class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        CTestSeams::Engage();
        CTestSeams::Clear();
        CTime::SetTestClock(Noon());
    }
    void TearDown() override
    {
        CTime::ClearTestClock();
        CTestSeams::Clear();
        CTestSeams::Release();
    }
    static CTime Noon() { return CTime(2003, 11, 24, 15, 30, 12); }

    static void Type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
    static std::string Item(HWND dialog, int id) { return ModalScript::ItemText(dialog, id); }
    static void SendFocusLeaving(HWND dialog, int id)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_KILLFOCUS),
                     (LPARAM)GetDlgItem(dialog, id));
    }
    static std::vector<std::string> ListOf(HWND dialog, int id)
    {
        std::vector<std::string> items;
        HWND combo = GetDlgItem(dialog, id);
        int n = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i)
        {
            char text[256] = {};
            SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)text);
            items.push_back(text);
        }
        return items;
    }

    TestDatabase m_db;
};
