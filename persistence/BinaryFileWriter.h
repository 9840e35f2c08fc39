// A binary writer that owns its file stream.
#pragma once

#include "persistence/BinaryDataWriter.h"
#include "platform/Files.h"

#include <fstream>
#include <memory>
#include <string>

class BinaryFileWriter : public BinaryDataWriter {
public:
    // path is UTF-8. The default replaces the file; ReadWrite without Truncate rewrites parts of an
    // existing one in place. A file that cannot be opened leaves the writer failed from the start.
    explicit BinaryFileWriter(const std::string& path, FileMode mode = FileMode::Write | FileMode::Truncate);
    ~BinaryFileWriter() override;

    bool isOpen() const;
    // Flushes and closes the file; true when every byte reached it. Later writes fail.
    bool close();

private:
    std::unique_ptr<std::fstream> file_;
};
