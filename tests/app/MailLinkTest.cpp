// Mail links to the supplier: subject and body arrive as text, whatever characters they hold.
#include "app/CMailLink.h"
#include <gtest/gtest.h>

TEST(MailLink, PercentEncodesSubjectAndBodyAsUtf8)
{
    struct Case
    {
        const char* subject;
        const char* body;
        const char* link;
    };
    const Case cases[] = {
        {"a&b", "x y\"?#%", "mailto:support@vorlen.example?subject=a%26b&body=x%20y%22%3F%23%25"},
        {"信息", "line\r\nend",
         "mailto:support@vorlen.example?subject=%E4%BF%A1%E6%81%AF&body=line%0D%0Aend"},
        {"", "Az09-._~", "mailto:support@vorlen.example?subject=&body=Az09-._~"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.link, CMailLink::Build(c.subject, c.body)) << c.subject;
}
