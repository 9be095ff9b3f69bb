#include <gtest/gtest.h>

#include "l10n/product_identity.h"
#include "update/vendor_endpoints.h"

namespace tessaro::test {
namespace {

TEST(VendorEndpoints, AddressesShareTheVendorHost) {
    EXPECT_EQ(versionFileAddress(), "http://www.brimvale.example/files/tessaro.dat");
    EXPECT_EQ(productPageAddress(), "http://www.brimvale.example/tessaro/");
    EXPECT_EQ(uninstallPageAddress(), "http://www.brimvale.example/tessaro/uninstall.html");
    EXPECT_EQ(homePageAddress, "http://www.brimvale.example/");
    EXPECT_EQ(converterSearchAddress("ico", "jpg"), "http://www.brimvale.example/find/ico-jpg/");
}

TEST(VendorEndpoints, MailLinksNameTheSupportAddress) {
    EXPECT_EQ(supportMailLink(), "mailto:support@brimvale.example");
    EXPECT_EQ(feedbackMailLink(),
              "mailto:support@brimvale.example?subject=Brimvale%20ICO%20to%20JPG%202.7%20Feedback");
}

}  // namespace
}  // namespace tessaro::test
