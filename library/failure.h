#pragma once

#include <utility>
#include <variant>

#include "library/bilingual_text.h"

namespace tessellix {

// Why a read or a write did not succeed, in words ready to show. A failure always has them: a
// message left empty in one language takes the other's, and one empty in both the general one.
// Operations without a value return std::optional<Failure>, nothing meaning success.
class Failure {
  public:
    explicit Failure(BilingualText message);

    const BilingualText& Message() const { return message; }

    friend bool operator==(const Failure&, const Failure&) = default;

  private:
    BilingualText message;
};

// A value, or the failure that left none.
template <typename T>
class Result {
  public:
    Result(T value) : content(std::move(value)) {}
    Result(Failure failure) : content(std::move(failure)) {}

    explicit operator bool() const { return std::holds_alternative<T>(content); }
    // Only where the result holds a value.
    T& operator*() { return std::get<T>(content); }
    const T& operator*() const { return std::get<T>(content); }
    T* operator->() { return &std::get<T>(content); }
    const T* operator->() const { return &std::get<T>(content); }
    // Only where it holds none.
    const Failure& Error() const { return std::get<Failure>(content); }

  private:
    std::variant<T, Failure> content;
};

}  // namespace tessellix
