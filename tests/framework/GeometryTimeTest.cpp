#include "framework/FrameworkCore.h"
#include <gtest/gtest.h>

TEST(Geometry, RectOperations)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));
    CRect moved = r + CPoint(5, 5);
    EXPECT_EQ(moved, CRect(15, 25, 115, 75));
    EXPECT_EQ(r & moved, CRect(15, 25, 110, 70));
    EXPECT_EQ(r | moved, CRect(10, 20, 115, 75));
    CRect inflated = r;
    inflated.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(inflated, CRect(9, 18, 113, 74));
    inflated.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(inflated, r);
    CRect flipped(5, 5, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 5, 5));
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    r.MoveToXY(1, 1);
    EXPECT_EQ(r, CRect(1, 1, 111, 71));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    EXPECT_EQ(CPoint(5, 5) + CSize(1, 1), CPoint(6, 6));
    EXPECT_EQ(CSize(1, 2) + CPoint(3, 4), CPoint(4, 6));
    EXPECT_EQ(CPoint((LPARAM)MAKELONG(-3, 7)), CPoint(-3, 7));
}

TEST(Time, TestClockFixesTheCurrentTime)
{
    CTime fixed(2026, 3, 7, 9, 5, 1);
    CTime::SetTestClock(fixed);
    EXPECT_EQ(CTime::GetCurrentTime(), fixed);
    EXPECT_EQ(CTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S"), "2026-03-07 09:05:01");
    CTime::ClearTestClock();
    EXPECT_GT(CTime::GetCurrentTime().GetYear(), 2020);

    EXPECT_EQ(fixed.GetYear(), 2026);
    EXPECT_EQ(fixed.GetMonth(), 3);
    EXPECT_EQ(fixed.GetDayOfWeek(), 7); // a Saturday
    CTime later = fixed + CTimeSpan(1, 2, 3, 4);
    CTimeSpan span = later - fixed;
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetHours(), 2);
    EXPECT_EQ(span.GetMinutes(), 3);
    EXPECT_EQ(span.GetSeconds(), 4);
    EXPECT_EQ(span.Format("%D天 %H:%M:%S"), "1天 02:03:04");
    EXPECT_EQ(later.Format("%Y年%m月"), "2026年03月");
    SYSTEMTIME st;
    ASSERT_TRUE(later.GetAsSystemTime(st));
    EXPECT_EQ(st.wDay, 8);
    EXPECT_EQ(CTime(st), later);
}
