#pragma once

// The program's failures. Each carries the exact message that the error box shows.

#include <stdexcept>
#include <string>

class QuorvelError : public std::runtime_error {
public:
    explicit QuorvelError(const std::string& message, int system_error = 0)
        : std::runtime_error(message), system_error_(system_error) {}
    // The system's error number (errno) behind a failed file operation, 0 when none is
    // known. The message does not show it; the exports' own messages do.
    int system_error() const { return system_error_; }

private:
    int system_error_;
};

class CannotOpenFile : public QuorvelError {
public:
    explicit CannotOpenFile(const std::string& path) : QuorvelError("Cannot open file " + path) {}
};

class CannotCreateFile : public QuorvelError {
public:
    explicit CannotCreateFile(const std::string& path, int system_error = 0)
        : QuorvelError("Cannot create file " + path, system_error) {}
};

class StreamReadError : public QuorvelError {
public:
    StreamReadError() : QuorvelError("Stream read error") {}
};

class StreamWriteError : public QuorvelError {
public:
    explicit StreamWriteError(int system_error = 0) : QuorvelError("Stream write error", system_error) {}
};

// A text that the standard whole-number conversion rejects.
class InvalidInteger : public QuorvelError {
public:
    explicit InvalidInteger(const std::string& text)
        : QuorvelError("'" + text + "' is not a valid integer value") {}
};
