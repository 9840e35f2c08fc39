// A binary reader over a copy of an embedded resource.
#pragma once

#include "persistence/BinaryDataReader.h"

#include <memory>
#include <sstream>
#include <string_view>

class BinaryResourceReader : public BinaryDataReader {
public:
    // Throws EResource when there is no such resource; check with resourceExists first.
    explicit BinaryResourceReader(std::string_view name);
    ~BinaryResourceReader() override;

private:
    std::unique_ptr<std::istringstream> resource_;
};
