// What a call raised: the error itself or its number, for tests that pin error paths.
#pragma once

#include <gtest/gtest.h>

#include "api/error.h"

namespace k27093::testsupport {

// The error `call` raised; records a test failure and returns error 0 when it raised none.
template <class Call>
Error RaisedError(Call&& call) {
  try {
    call();
  } catch (const Error& error) {
    return error;
  }
  ADD_FAILURE() << "no error was raised";
  return Error(0, "", "");
}

// The number of the error `call` raised; 0 when it raised none.
template <class Call>
std::int32_t RaisedNumber(Call&& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

}  // namespace k27093::testsupport
