#include "export/atomic_device.h"

namespace {
constexpr std::size_t buffer_size = 1 << 20;
}

AtomicDevice::AtomicDevice(const std::filesystem::path& path) : file_(path) {
    buffer_.reserve(buffer_size);
    open(QIODevice::WriteOnly);
}

qint64 AtomicDevice::writeData(const char* data, qint64 len) {
    if (failure_) return -1;
    buffer_.append(data, std::size_t(len));
    if (buffer_.size() >= buffer_size) flush_buffer();
    return failure_ ? -1 : len;
}

void AtomicDevice::flush_buffer() {
    try {
        file_.write(buffer_);
    } catch (...) {
        failure_ = std::current_exception();
    }
    buffer_.clear();
}

void AtomicDevice::finish() {
    if (!failure_) flush_buffer();
    if (failure_) std::rethrow_exception(failure_);
    close();
    file_.commit();
}
