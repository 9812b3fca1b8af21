#pragma once

#include <gtest/gtest.h>

#include "font/Error.h"

namespace ledfont::test {

// The Error that `call` throws; a test failure, and a DeviceIOError to compare, when it throws none.
template <typename Call>
Error errorOf(Call&& call) {
    try {
        call();
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error thrown";
    return Error(ErrorCode::DeviceIOError);
}

}  // namespace ledfont::test
