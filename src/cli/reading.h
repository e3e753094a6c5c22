// Reading<T>: what one read through the object model gave, the value or the number of the
// error the read raised. The inspect view goes on reading after an error, so that a chart
// without legend or with a deleted axis shows the error beside everything else it has.
#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <variant>

#include "api/error.h"

namespace k27093::client {

// The number of the error a read raised.
struct ReadError {
  std::int32_t number = 0;
};

template <class T>
class Reading {
 public:
  // Error 0 until something is read; ReadingOf always sets a value or a real error.
  Reading() : content_(ReadError{}) {}
  Reading(T value) : content_(std::move(value)) {}
  static Reading Failed(std::int32_t error) {
    Reading reading;
    reading.content_ = ReadError{error};
    return reading;
  }

  bool ok() const { return std::holds_alternative<T>(content_); }
  // The value read; only when ok().
  const T& value() const { return std::get<T>(content_); }
  // The error number the read raised; only when !ok().
  std::int32_t error() const { return std::get<ReadError>(content_).number; }

 private:
  std::variant<T, ReadError> content_;
};

// Runs `read` and keeps its result, or the number of the Error it raised. Exceptions that
// are not the component's Error (memory exhausted ...) pass through.
template <class Read>
auto ReadingOf(Read&& read) -> Reading<std::remove_cvref_t<std::invoke_result_t<Read>>> {
  using T = std::remove_cvref_t<std::invoke_result_t<Read>>;
  try {
    return Reading<T>(std::forward<Read>(read)());
  } catch (const Error& error) {
    return Reading<T>::Failed(error.number());
  }
}

}  // namespace k27093::client
