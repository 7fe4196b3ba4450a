#include "browse/web_address.h"

#include <gtest/gtest.h>

namespace kameng {
namespace {

TEST(WebAddress, AcceptsHttpAndHttpsAddressesWithAHost) {
    for (const char* address : {
             "http://shop.example.com/Register.aspx",
             "https://shop.example.com/",
             "HTTP://Shop.Example.com",
             "http://127.0.0.1:8080/a?b=c#d",
             "http://user:pw@host/",
             "http://[::1]:80/",
             "https://host:/path",
         })
        EXPECT_TRUE(isWebAddress(address)) << address;
}

TEST(WebAddress, RefusesScriptsLocalFilesAndMalformedTexts) {
    for (const char* address : {
             "",
             "javascript:alert(1)",
             "JavaScript:void(0)",
             "vbscript:msgbox(1)",
             "file:///etc/passwd",
             "data:text/html,<b>x</b>",
             "about:blank",
             "ftp://host/",
             "http:host/",
             "http:/host/",
             "http://",
             "http:///path",
             "http://:80/",
             "http://user@/",
             "http://host:8x/",
             "http://[::1/",
             " http://host/",
             "http://ho st/",
             "http://host/\n",
             "点此进入商城",
             "httpx://host/",
             "www.example.com",
         })
        EXPECT_FALSE(isWebAddress(address)) << address;
}

}  // namespace
}  // namespace kameng
