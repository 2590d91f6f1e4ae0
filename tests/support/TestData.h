#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vrh::test {

// The bytes of a file under tests/data/meta.
inline std::string fixture(const std::string& name) {
    std::ifstream in(std::string(VRH_TEST_DATA) + "/meta/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return (std::ostringstream() << in.rdbuf()).str();
}

}  // namespace vrh::test
