// A binary writer over a file opened through the platform layer.
#include "persistence/BinaryFileWriter.h"

BinaryFileWriter::BinaryFileWriter(const std::string& path, FileMode mode)
    : BinaryDataWriter(nullptr), file_(std::make_unique<std::fstream>(openFileStream(path, mode))) {
    if (!file_->is_open()) file_->setstate(std::ios::failbit);
    attach(file_.get());
}

BinaryFileWriter::~BinaryFileWriter() = default;

bool BinaryFileWriter::isOpen() const {
    return file_->is_open();
}

bool BinaryFileWriter::close() {
    if (!file_->is_open()) return false;
    file_->flush();
    file_->close();
    const bool written = !file_->fail();
    // Whatever follows must not look like a success.
    file_->setstate(std::ios::failbit);
    return written;
}
