#include "update/http_client.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/unique_descriptor.h"
#include "update/http_message.h"

namespace tessaro {
namespace {

using Clock = std::chrono::steady_clock;

struct AddressListDeleter {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

int millisecondsUntil(Clock::time_point deadline, std::chrono::milliseconds most) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp(left, std::chrono::milliseconds{0}, most).count());
}

std::string errnoText(int error) {
    return std::strerror(error);
}

// Waits until `fd` is ready for `events` or the deadline passes; false on
// timeout or failure.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    while (true) {
        pollfd entry{fd, events, 0};
        const int ready =
            ::poll(&entry, 1, millisecondsUntil(deadline, std::chrono::milliseconds{1000}));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
    }
}

Failure lookupFailure(const HttpUrl& url, const std::string& cause) {
    return Failure{"Cannot look up " + url.host + ": " + cause};
}

// One name lookup on a thread of its own. The system's lookup has no time
// limit and cannot be interrupted, so when the wait for it ends first, the
// thread finishes alone; it holds its share of this record, and nothing else
// it touches can go away before it is done.
struct PendingLookup {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    int status = 0;
    AddressList addresses;
};

Result<AddressList> lookUpHost(const HttpUrl& url, const std::string& port,
                               Clock::time_point deadline, std::chrono::milliseconds timeout) {
    auto pending = std::make_shared<PendingLookup>();
    try {
        std::thread([pending, host = url.host, port] {
            addrinfo hints{};
            hints.ai_family = AF_UNSPEC;
            hints.ai_socktype = SOCK_STREAM;
            hints.ai_flags = AI_NUMERICSERV;
            addrinfo* found = nullptr;
            const int status = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
            const std::lock_guard lock(pending->mutex);
            pending->status = status;
            pending->addresses.reset(found);
            pending->done = true;
            pending->finished.notify_one();
        }).detach();
    } catch (const std::system_error& error) {
        return lookupFailure(url, error.what());
    }
    std::unique_lock lock(pending->mutex);
    if (!pending->finished.wait_until(lock, deadline, [&] { return pending->done; })) {
        return lookupFailure(url, "no answer from the name service within " +
                                      std::to_string(timeout.count()) + " ms");
    }
    if (pending->status != 0) {
        return lookupFailure(url, ::gai_strerror(pending->status));
    }
    return std::move(pending->addresses);
}

// A non-blocking connect after a lookup on a thread of its own, so that a
// silent name service or an unreachable host costs at most connectTimeout
// instead of the system's minutes-long defaults.
Result<UniqueDescriptor> connectTo(const HttpUrl& url, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    const std::string port = std::to_string(url.port);
    Result<AddressList> lookup = lookUpHost(url, port, deadline, timeout);
    if (!lookup)
        return lookup.failure();
    const AddressList addresses = std::move(lookup).value();

    std::string cause = "no address";
    for (const addrinfo* address = addresses.get(); address != nullptr;
         address = address->ai_next) {
        UniqueDescriptor socket{::socket(address->ai_family,
                                         address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                         address->ai_protocol)};
        if (socket.get() < 0) {
            cause = errnoText(errno);
            continue;
        }
        if (::connect(socket.get(), address->ai_addr, address->ai_addrlen) == 0) {
            return socket;
        }
        if (errno != EINPROGRESS) {
            cause = errnoText(errno);
            continue;
        }
        if (!waitFor(socket.get(), POLLOUT, deadline)) {
            cause = "no connection within " + std::to_string(timeout.count()) + " ms";
            continue;
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
            error = errno;
        }
        if (error == 0) {
            return socket;
        }
        cause = errnoText(error);
    }
    return Failure{"Cannot connect to " + url.host + ":" + port + ": " + cause};
}

// Sends every byte of `bytes`.
Result<void> sendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (waitFor(fd, POLLOUT, deadline)) {
                continue;
            }
            return Failure{"Cannot send the request in time"};
        }
        return Failure{"Cannot send the request: " + errnoText(errno)};
    }
    return {};
}

// Collects the answer. It may come in pieces; they are joined until the
// server closes the connection, the buffer is full, a read fails, or the
// deadline passes. The connection is looked at every pollInterval.
Result<std::string> receiveAnswer(int fd, Clock::time_point deadline, const HttpTimings& timings) {
    std::array<char, httpReceiveLimit> buffer;
    std::size_t received = 0;
    while (received < buffer.size() && Clock::now() <= deadline) {
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, millisecondsUntil(deadline, timings.pollInterval));
        if (ready == 0 || (ready < 0 && errno == EINTR)) {
            continue;
        }
        const ssize_t count =
            ready < 0 ? -1 : ::recv(fd, buffer.data() + received, buffer.size() - received, 0);
        if (count > 0) {
            received += static_cast<std::size_t>(count);
            continue;
        }
        if (count == 0) {
            break;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            continue;
        }
        if (received == 0) {
            return Failure{"No answer: " + errnoText(errno)};
        }
        break;
    }
    if (received == 0 && Clock::now() > deadline) {
        return Failure{"No answer within " + std::to_string(timings.answerTimeout.count()) + " ms"};
    }
    return std::string{buffer.data(), received};
}

}  // namespace

Result<std::string> httpGet(std::string_view url, std::string_view userAgent,
                            const HttpTimings& timings) {
    const std::optional<HttpUrl> parts = splitHttpUrl(url);
    if (!parts)
        return Failure{"Unusable address \"" + std::string{url} + "\""};
    Result<UniqueDescriptor> connection = connectTo(*parts, timings.connectTimeout);
    if (!connection)
        return connection.failure();
    const UniqueDescriptor socket = std::move(connection).value();

    const Clock::time_point deadline = Clock::now() + timings.answerTimeout;
    if (const Result<void> sent =
            sendAll(socket.get(), buildGetRequest(*parts, userAgent), deadline);
        !sent)
        return sent.failure();

    return receiveAnswer(socket.get(), deadline, timings);
}

std::string httpGetText(std::string_view url, std::string_view userAgent,
                        const HttpTimings& timings) {
    const Result<std::string> answer = httpGet(url, userAgent, timings);
    return answer ? responseBodyStart(*answer) : std::string{};
}

}  // namespace tessaro
