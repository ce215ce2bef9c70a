#include "WebLookup.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char *typed;
    const char *opened; // nullptr: not opened
};

} // namespace

// What a movie's, a person's or a found movie's URL box may send to the browser.
TEST(WebLookup, StoredAddressesOpenOnlyAsWebAddresses)
{
    const AddressCase cases[] = {
        {"http://example.org/a b", "http://example.org/a%20b"},
        {"  https://example.org/x?a=1  ", "https://example.org/x?a=1"},
        {"HTTPS://Example.org", "https://example.org"},
        {"www.example.org", "http://www.example.org"},
        {"", nullptr},
        {"http://", nullptr},
        {"HTTP://", nullptr},
        {"http:///no-host", nullptr},
        {"file:///etc/passwd", nullptr},
        {"file://server/share/run.desktop", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"smb://server/share", nullptr},
        {"ftp://example.org/file", nullptr},
        {"javascript:alert(1)", nullptr},
        {"mailto:someone@example.org", nullptr},
    };
    for (const AddressCase &c : cases) {
        const QUrl url = WebLookup::storedAddress(QString::fromUtf8(c.typed));
        if (c.opened) {
            EXPECT_TRUE(WebLookup::mayOpen(url)) << c.typed;
            EXPECT_EQ(url.toString(QUrl::FullyEncoded), QString::fromUtf8(c.opened)) << c.typed;
        } else {
            EXPECT_FALSE(url.isValid()) << c.typed;
        }
    }
    EXPECT_FALSE(WebLookup::mayOpen(QUrl(QStringLiteral("file://server/x"))));
    EXPECT_FALSE(WebLookup::mayOpen(QUrl()));
}

TEST(WebLookup, SearchAddressesCarryTheTextWhole)
{
    struct Case {
        const char *text, *imdbTitle, *imdbName, *netflix;
    };
    const Case cases[] = {
        {"Blade Runner", "https://www.imdb.com/find?q=Blade%20Runner;tt=on;mx=20",
         "https://www.imdb.com/find?q=Blade%20Runner;nm=on;mx=20", "https://www.netflix.com/Search?v1=Blade+Runner"},
        {"Tom & Jerry #2+", "https://www.imdb.com/find?q=Tom%20%26%20Jerry%20%232%2B;tt=on;mx=20",
         "https://www.imdb.com/find?q=Tom%20%26%20Jerry%20%232%2B;nm=on;mx=20",
         "https://www.netflix.com/Search?v1=Tom+%26+Jerry+%232%2B"},
        {"O'Hara S\xc3\xb8n", "https://www.imdb.com/find?q=O%27Hara%20S%C3%B8n;tt=on;mx=20",
         "https://www.imdb.com/find?q=O%27Hara%20S%C3%B8n;nm=on;mx=20", "https://www.netflix.com/Search?v1=O%27Hara+S%C3%B8n"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(WebLookup::imdbTitleSearch(text).toString(QUrl::FullyEncoded), QString::fromUtf8(c.imdbTitle));
        EXPECT_EQ(WebLookup::imdbNameSearch(text).toString(QUrl::FullyEncoded), QString::fromUtf8(c.imdbName));
        EXPECT_EQ(WebLookup::netflixSearch(text).toString(QUrl::FullyEncoded), QString::fromUtf8(c.netflix));
    }
}

TEST(WebLookup, ProductSiteAndForums)
{
    EXPECT_EQ(WebLookup::productSite(QStringLiteral("https://cinelog.example/")).toString(), QStringLiteral("https://cinelog.example/"));
    EXPECT_EQ(WebLookup::productForums(QStringLiteral("https://cinelog.example")).toString(),
              QStringLiteral("https://cinelog.example/forums/"));
    EXPECT_EQ(WebLookup::productForums(QStringLiteral("https://cinelog.example/app/")).toString(),
              QStringLiteral("https://cinelog.example/app/forums/"));
    for (const char *none : {"", "file:///usr/share/doc", "cinelog.example"})
        EXPECT_FALSE(WebLookup::productSite(QString::fromLatin1(none)).isValid()) << none;
}
