#pragma once
// The bytes of a file under tests/data/meta.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vrh::test {

inline std::string fixture(const std::string& name) {
    std::ifstream in(std::string(VRH_TEST_DATA) + "/meta/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace vrh::test
