#include <gtest/gtest.h>

#include "update/UpdateAddress.h"
#include "update/WebUpdate.h"

namespace {

TEST(UpdateSettings, Defaults)
{
    TmxWebUpdate web;
    EXPECT_EQ(web.ProductInfo.URL(), "http://");
    EXPECT_EQ(web.ProductInfo.Version, "1.0");
    EXPECT_EQ(web.ProductInfo.VersionFormat, TmxVersionFormat::vfStandard);
    EXPECT_EQ(web.Options, TmxUpdateOption::uoRunUpdate | TmxUpdateOption::uoTerminate);
    EXPECT_FALSE(web.Inplace);
    EXPECT_TRUE(web.UserName.isEmpty());
    EXPECT_TRUE(web.Password.isEmpty());
    EXPECT_EQ(web.IdleTimeoutMs, 30000);
    EXPECT_EQ(web.TagInfo.ProductName, "mxProduct");
    EXPECT_EQ(web.TagInfo.ClientFileName, "mxClientSideName");
    EXPECT_EQ(web.TagInfo.InplaceUtil, "mxInplaceUtil");
    EXPECT_EQ(web.InfoCaption.OkButton, "&OK");
    EXPECT_EQ(web.InfoCaption.CancelButton, "&Cancel");
    EXPECT_EQ(web.InfoCaption.CheckForUpdate, "C&heck for updates in the future");
    EXPECT_FALSE(web.Busy());
}

TEST(UpdateSettings, ComponentVersionIsFixed)
{
    TmxWebUpdate web;
    EXPECT_EQ(web.Version(), "1.1");  // version word 0x0101
    web.SetVersion("9.9");
    EXPECT_EQ(web.Version(), "1.1");
}

TEST(UpdateSettings, UrlGetsHttpInFront)
{
    const struct {
        const char* Assigned;
        const char* Kept;
    } cases[] = {
        {"www.h.com/p.html", "http://www.h.com/p.html"},
        {"http://h/p", "http://h/p"},
        {"HTTP://h/p", "HTTP://h/p"},
        {"hTtPs://h/p", "hTtPs://h/p"},
        {"", "http://"},
        {"ftp://h/p", "http://ftp://h/p"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Assigned);
        TmxProductInfo info;
        info.SetURL(c.Assigned);
        EXPECT_EQ(info.URL(), c.Kept);
    }
}

TEST(UpdateAddress, SplitsHostAndPath)
{
    const struct {
        const char* Address;
        bool Valid;
        const char* Scheme;
        const char* Host;
        int Port;  // after the scheme's default
        const char* Path;
    } cases[] = {
        {"http://www.h.com/updates/pm/pm.html", true, "http", "www.h.com", 80, "/updates/pm/pm.html"},
        {"HTTP://www.h.com/a", true, "http", "www.h.com", 80, "/a"},
        {"https://www.h.com/a", true, "https", "www.h.com", 443, "/a"},
        {"HTTPS://www.h.com/", true, "https", "www.h.com", 443, "/"},
        {"www.h.com/a", true, "http", "www.h.com", 80, "/a"},
        {"http://127.0.0.1:8080/p", true, "http", "127.0.0.1", 8080, "/p"},
        {"http://www.h.com", false, "", "", 0, ""},  // no "/": empty host
        {"http:///p", false, "", "", 0, ""},
        {"", false, "", "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        const QUrl url = SplitUpdateAddress(c.Address);
        ASSERT_EQ(url.isValid(), c.Valid);
        if (!c.Valid)
            continue;
        EXPECT_EQ(url.scheme(), c.Scheme);
        EXPECT_EQ(url.host(), c.Host);
        EXPECT_EQ(url.port(c.Scheme == std::string("https") ? 443 : 80), c.Port);
        EXPECT_EQ(url.path(), c.Path);
    }
}

TEST(UpdateAddress, LastSegment)
{
    EXPECT_EQ(LastAddressSegment("http://h/d/inplace.exe"), "inplace.exe");
    EXPECT_EQ(LastAddressSegment("http://h/d/"), "");
    EXPECT_EQ(LastAddressSegment("inplace.exe"), "inplace.exe");
}

}  // namespace
