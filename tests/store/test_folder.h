#pragma once
// A folder of its own for each test of the verse files, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace sahifex::store {

class TestFolder : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        return folder.write(name, bytes);
    }

    testing::TempFolder folder{"store"};
    const std::filesystem::path dir = folder.path();
};

} // namespace sahifex::store
