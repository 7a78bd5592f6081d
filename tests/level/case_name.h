#pragma once

#include <gtest/gtest.h>
#include <string>

namespace level_test {

// Names each instance of a parameterised test after the `name` of its case.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& test) const {
        return test.param.name;
    }
};

} // namespace level_test
