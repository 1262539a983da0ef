#pragma once

#include <ostream>
#include <string>

#include <gtest/gtest.h>

// Names each row of a parameterised test by its `name`, so a failing row names itself.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};

// Prints a row by its name too, in the test log and in ctest's list of tests. The rows live in
// each test file's unnamed namespace, which this one joins, so lookup by argument finds it.
namespace {
template <typename Row>
requires requires(const Row& row) { row.name; }
std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }
}  // namespace
