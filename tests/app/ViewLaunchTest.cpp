// The help, calculator and feedback commands of the view go to the shell, and nothing else happens.
#include "app/CVorlenView.h"
#include "app/CDatabaseHolder.h"
#include "framework/CTestSeams.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// The view's handlers, callable without a window: the launch commands need none.
class LaunchingView : public CVorlenView
{
public:
    using CVorlenView::OnCalculator;
    using CVorlenView::OnFeedback;
    using CVorlenView::OnHelpContents;
};

} // namespace

TEST(ViewLaunch, HelpCalculatorAndFeedbackGoThroughTheShell)
{
    CTestSeams::Engage();
    CTestSeams::Clear();
    LaunchingView view;
    view.OnHelpContents();
    view.OnCalculator();
    view.OnFeedback();
    const std::vector<CTestSeams::ShellCall> calls = CTestSeams::ShellLaunches();
    const bool noMessage = CTestSeams::MessageBoxes().empty();
    CTestSeams::Release();

    const CString dir = CDatabaseHolder::GetProgramDirectory();
    const CString expected[] = {
        dir + "help\\vorlen.chm",
        dir + "tools\\calc.exe",
        "mailto:support@vorlen.example?subject=%E4%BF%A1%E6%81%AF%E5%8F%8D%E9%A6%88%E5%8D%95&body="
        "%E8%BF%99%E5%B0%81%E9%82%AE%E4%BB%B6%E5%B0%86%E7%9B%B4%E6%8E%A5%E5%8F%91%E9%80%81%E7%BB%"
        "99%E8%AF%A5"
        "%E7%B3%BB%E7%BB%9F%E7%9A%84%E5%BC%80%E5%8F%91%E4%BA%BA%E5%91%98%EF%BC%8C%E8%AF%B7%E5%9C%"
        "A8%E4%B8%8B"
        "%E9%9D%A2%E8%AF%B4%E6%98%8E%E4%BD%A0%E9%81%87%E5%88%B0%E7%9A%84%E9%97%AE%E9%A2%98%E6%88%"
        "96%E8%80%85"
        "%E5%BB%BA%E8%AE%AE%EF%BC%9A",
    };
    ASSERT_EQ(3u, calls.size());
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_STREQ(expected[i], calls[i].strFile) << i;
        EXPECT_STREQ("open", calls[i].strVerb);
        EXPECT_STREQ("", calls[i].strParameters);
        EXPECT_STREQ("", calls[i].strDirectory);
        EXPECT_EQ(SW_SHOWNORMAL, calls[i].nShowCmd);
    }
    EXPECT_TRUE(noMessage);
}
