// A binary reader over a file opened for reading in binary mode through the platform layer.
#include "persistence/BinaryFileReader.h"

#include "platform/Files.h"

BinaryFileReader::BinaryFileReader(const std::string& path)
    : BinaryDataReader(nullptr), file_(std::make_unique<std::fstream>(openFileStream(path, FileMode::Read))) {
    if (!file_->is_open()) file_->setstate(std::ios::failbit);
    attach(file_.get());
}

BinaryFileReader::~BinaryFileReader() = default;

bool BinaryFileReader::isOpen() const {
    return file_->is_open();
}
