#include "update/vendor_endpoints.h"

#include "l10n/product_identity.h"

namespace tessaro {

std::string vendorAddress(std::string_view path) {
    std::string address = "http://";
    address += vendorHost;
    address += path;
    return address;
}

std::string versionFileAddress() {
    return vendorAddress(versionFilePath);
}

std::string productPageAddress() {
    return vendorAddress(productPagePath);
}

std::string uninstallPageAddress() {
    return vendorAddress(uninstallPagePath);
}

std::string converterSearchAddress(std::string_view fromExtension, std::string_view toExtension) {
    std::string path = "/find/";
    path += fromExtension;
    path += '-';
    path += toExtension;
    path += '/';
    return vendorAddress(path);
}

std::string supportMailLink() {
    std::string link = "mailto:";
    link += supportAddress;
    return link;
}

std::string feedbackMailLink() {
    const std::string subject = productTitle(productName, programVersion) + " Feedback";
    std::string link = supportMailLink() + "?subject=";
    for (char c : subject) {
        if (c == ' ') {
            link += "%20";
        } else {
            link += c;
        }
    }
    return link;
}

}  // namespace tessaro
