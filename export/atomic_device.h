#pragma once

// A write-only QIODevice over an AtomicFile, buffered, so that Qt's writers can stream a
// large file without holding it in memory. Qt code must not see exceptions: a failed
// write is kept and thrown again by finish(), which also puts the file in place.

#include <QIODevice>
#include <exception>
#include <string>

#include "logbook/file_io.h"

class AtomicDevice : public QIODevice {
public:
    explicit AtomicDevice(const std::filesystem::path& path);  // CannotCreateFile
    // Writes what is buffered and replaces the target; throws the first failure.
    void finish();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override;

private:
    void flush_buffer();
    AtomicFile file_;
    std::string buffer_;
    std::exception_ptr failure_;
};
