#include <gtest/gtest.h>

#include <string>

#include "update/http_message.h"

namespace tessaro::test {
namespace {

TEST(HttpMessage, SplitsAnAddressIntoHostPortAndPath) {
    const struct {
        const char* url;
        const char* host;
        uint16_t port;
        const char* path;
    } cases[] = {
        {"http://www.brimvale.example/files/tessaro.dat", "www.brimvale.example", 80,
         "/files/tessaro.dat"},
        {"http://127.0.0.1:8080/files/tessaro.dat", "127.0.0.1", 8080, "/files/tessaro.dat"},
        {"http://www.brimvale.example", "www.brimvale.example", 80, "/"},
        {"www.brimvale.example/tessaro/", "www.brimvale.example", 80, "/tessaro/"},
        {"http://host:65535/a?b=c", "host", 65535, "/a?b=c"},
    };
    for (const auto& c : cases) {
        const std::optional<HttpUrl> url = splitHttpUrl(c.url);
        ASSERT_TRUE(url) << c.url;
        EXPECT_EQ(url->host, c.host) << c.url;
        EXPECT_EQ(url->port, c.port) << c.url;
        EXPECT_EQ(url->path, c.path) << c.url;
    }
}

TEST(HttpMessage, RefusesAddressesThatCannotBeRequested) {
    for (const char* url : {"", "http://", "http:///path", "http://host:/", "http://host:0/",
                            "http://host:65536/", "http://host:80x/", "http://host/a b",
                            "http://host/a\r\nX-Injected: 1", "http://ho\tst/"}) {
        EXPECT_FALSE(splitHttpUrl(url)) << url;
    }
}

TEST(HttpMessage, RequestIsFiveLinesAndAnEmptyLine) {
    const HttpUrl url{"www.brimvale.example", 80, "/files/tessaro.dat"};
    EXPECT_EQ(buildGetRequest(url, "Brimvale ICO to JPG 2.7"),
              "GET /files/tessaro.dat HTTP/1.0\r\nHost: www.brimvale.example\r\nAccept: */*\r\n"
              "User-Agent: Brimvale ICO to JPG 2.7\r\nConnection: close\r\n\r\n");
}

TEST(HttpMessage, BodyStartIsTakenFromSuccessfulAnswersOnly) {
    using namespace std::string_literals;
    const struct {
        std::string response;
        std::string expected;
    } cases[] = {
        {"HTTP/1.0 200 OK\r\n\r\n271", "271"},
        {"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n  271  \r\n", "271"},
        {"HTTP/1.0 200\r\n\r\n\t300abc", "300"},
        {"HTTP/1.0 204 No Content\r\n\r\n", ""},
        {"HTTP/1.0 200 OK\r\n\r\n27\r\n\r\n1", "27"},
        {"HTTP/1.0 200 OK\r\n\r\n2\0"
         "71"s,
         "2"},
        {"HTTP/1.0 200 OK\r\n\r\n\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", "\xc3\xa9\xc3\xa9\xc3\xa9"},
        {"HTTP/1.0 200 OK\r\nno empty line 271", ""},
        {"HTTP/1.0 404 Not Found\r\n\r\n404 Not Found", ""},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\n500", ""},
        {"HTTP/1.0 2000 OK\r\n\r\n271", ""},
        {"271", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(responseBodyStart(c.response), c.expected) << c.response;
    }
}

}  // namespace
}  // namespace tessaro::test
