#pragma once

#include <string>

#include <gtest/gtest.h>

// Names each row of a parameterised test by its `name`, so a failing row names itself.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};
