#include <dlfcn.h>
#include <gtest/gtest.h>
#include <netdb.h>

#include <string>
#include <string_view>
#include <thread>

#include "update/http_client.h"
#include "update/http_message.h"
#include "update/local_http_server.h"

// A name the name service of this test program answers only after five
// seconds, as a machine whose name servers do not answer; every other name
// goes to the system's lookup.
constexpr std::string_view silentNameServiceHost = "silent-name-service.invalid";

extern "C" int getaddrinfo(const char* name, const char* service, const addrinfo* hints,
                           addrinfo** result) {
    if (name != nullptr && name == silentNameServiceHost) {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        return EAI_AGAIN;
    }
    using Lookup = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto systemLookup = reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return systemLookup(name, service, hints, result);
}

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;

// Answers come from this machine, so a generous limit only matters when the
// machine is busy; a server that never answers is given up on quickly.
constexpr HttpTimings patient{
    .connectTimeout = 2000ms, .pollInterval = 5ms, .answerTimeout = 3000ms};
constexpr HttpTimings impatient{
    .connectTimeout = 2000ms, .pollInterval = 5ms, .answerTimeout = 200ms};

constexpr const char* productAgent = "Brimvale ICO to JPG 2.7";

std::string okResponse(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(HttpClient, SendsFiveRequestLinesAndAnEmptyLine) {
    LocalHttpServer server{{{okResponse("271")}}};
    httpGetText(server.url(), productAgent, patient);
    EXPECT_EQ(server.receivedRequest(),
              "GET /files/tessaro.dat HTTP/1.0\r\n"
              "Host: 127.0.0.1\r\n"
              "Accept: */*\r\n"
              "User-Agent: Brimvale ICO to JPG 2.7\r\n"
              "Connection: close\r\n"
              "\r\n");
}

TEST(HttpClient, EmptyUserAgentSendsTheDefaultOne) {
    LocalHttpServer server{{{okResponse("271")}}};
    httpGetText(server.url("/"), "", patient);
    EXPECT_NE(server.receivedRequest().find(
                  "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; en)\r\n"),
              std::string::npos);
}

TEST(HttpClient, ReadsTheFirstThreeCharactersOfTheTrimmedBody) {
    const struct {
        std::string response;
        std::string expected;
    } cases[] = {
        {okResponse("271"), "271"},
        {okResponse("270\r\n"), "270"},
        {okResponse("150"), "150"},
        {okResponse("2.7.1"), "2.7"},
        {okResponse(" 300abc"), "300"},
        // An error page is no version file, even when its body starts with
        // digits that would read as a newer version.
        {"HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n404 Not Found", ""},
        {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        LocalHttpServer server{{{c.response}}};
        EXPECT_EQ(httpGetText(server.url(), productAgent, patient), c.expected) << c.response;
    }
}

TEST(HttpClient, JoinsAnAnswerThatComesInPieces) {
    LocalHttpServer server{
        {{"HTTP/1.0 200 OK\r\n", "Content-Type: text/plain\r\n\r\n", "2", "71"}, 20ms}};
    EXPECT_EQ(httpGetText(server.url(), productAgent, patient), "271");
}

TEST(HttpClient, ReadsNoMoreThanTheReceiveLimit) {
    // The body starts after byte 2048, so it is never seen.
    const std::string padding(httpReceiveLimit, 'x');
    LocalHttpServer server{{{"HTTP/1.0 200 OK\r\nX-Padding: " + padding + "\r\n\r\n300"}}};
    const Result<std::string> answer = httpGet(server.url(), productAgent, patient);
    ASSERT_TRUE(answer.ok()) << answer.failure().reason;
    EXPECT_EQ(answer->size(), httpReceiveLimit);
    EXPECT_EQ(responseBodyStart(*answer), "");
}

TEST(HttpClient, StopsWaitingForAServerThatNeverAnswers) {
    LocalHttpServer server{{}};
    const Result<std::string> answer = httpGet(server.url(), productAgent, impatient);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(answer.failure().reason.substr(0, 9), "No answer");
    EXPECT_EQ(server.receivedRequest().substr(0, 4), "GET ");
}

TEST(HttpClient, GivesUpOnASilentNameServiceAtTheConnectionLimit) {
    const HttpTimings quick{.connectTimeout = 300ms, .pollInterval = 5ms, .answerTimeout = 300ms};
    const Result<std::string> answer = httpGet(
        "http://" + std::string(silentNameServiceHost) + "/files/tessaro.dat", productAgent, quick);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(answer.failure().reason, "Cannot look up " + std::string(silentNameServiceHost) +
                                           ": no answer from the name service within 300 ms");
}

TEST(HttpClient, RefusedConnectionIsAFailureWithItsCause) {
    // A bound socket that does not listen refuses connections to its port.
    const TestSocket closedPort{::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    const uint16_t port = bindLoopback(closedPort);
    ASSERT_NE(port, 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/files/tessaro.dat";
    const Result<std::string> answer = httpGet(url, productAgent, patient);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(answer.failure().reason.rfind(
                  "Cannot connect to 127.0.0.1:" + std::to_string(port) + ": ", 0),
              0u)
        << answer.failure().reason;
    EXPECT_EQ(httpGetText(url, productAgent, patient), "");
}

TEST(HttpClient, UnusableAddressMakesNoRequest) {
    for (const char* url : {"", "http://", "http://host:0/", "http://host/a\r\nX: y"}) {
        const Result<std::string> answer = httpGet(url, productAgent, patient);
        ASSERT_FALSE(answer.ok()) << url;
        EXPECT_EQ(answer.failure().reason, "Unusable address \"" + std::string(url) + "\"");
    }
}

}  // namespace
}  // namespace tessaro::test
