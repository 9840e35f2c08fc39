// A binary reader that owns its file stream.
#pragma once

#include "persistence/BinaryDataReader.h"

#include <fstream>
#include <memory>
#include <string>

class BinaryFileReader : public BinaryDataReader {
public:
    // path is UTF-8. A file that cannot be opened leaves the reader failed from the start.
    explicit BinaryFileReader(const std::string& path);
    ~BinaryFileReader() override;

    bool isOpen() const;

private:
    std::unique_ptr<std::fstream> file_;
};
