#pragma once

#include <concepts>
#include <string>
#include <system_error>
#include <type_traits>
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

template <typename T>
class Result;

// A source a Result<T> makes its value from in place: neither the value
// itself, nor a failure, nor a result.
template <typename From, typename T>
concept MakesResultValue =
    std::is_constructible_v<T, From&&> && !std::is_same_v<std::remove_cvref_t<From>, T> &&
    !std::is_same_v<std::remove_cvref_t<From>, Failure> &&
    !std::is_same_v<std::remove_cvref_t<From>, Result<T>>;

// The value of an operation that can fail, or its failure with the reason.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    // Whatever the value can be made from, made in place: a value that is one
    // alternative of a variant becomes the variant inside the result, never
    // a temporary variant moved in.
    template <MakesResultValue<T> From>
    Result(From&& from) : state_(std::in_place_index<0>, std::forward<From>(from)) {}
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
