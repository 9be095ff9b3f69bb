#pragma once

#include <string>
#include <system_error>
#include <utility>
#include <variant>

namespace tessaro {

// Why an operation failed, in words a message can show as they stand
// ("No space left on device", "not a regular file").
struct Failure {
    std::string reason;
};

// The system's text for an errno value.
inline Failure systemFailure(int errorNumber) {
    return Failure{std::generic_category().message(errorNumber)};
}

// The value of an operation that can fail, or its failure with the reason.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<T>(state_); }
    const T& value() const& { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure> state_;
};

// Success without a value, or the failure with the reason.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }

    const Failure& failure() const { return failure_; }

private:
    Failure failure_;
    bool failed_ = false;
};

}  // namespace tessaro
