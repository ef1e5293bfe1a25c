#pragma once

// The program's failures. Each carries the exact message that the error box shows.

#include <stdexcept>
#include <string>

class QuorvelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CannotOpenFile : public QuorvelError {
public:
    explicit CannotOpenFile(const std::string& path) : QuorvelError("Cannot open file " + path) {}
};

class CannotCreateFile : public QuorvelError {
public:
    explicit CannotCreateFile(const std::string& path) : QuorvelError("Cannot create file " + path) {}
};

class StreamReadError : public QuorvelError {
public:
    StreamReadError() : QuorvelError("Stream read error") {}
};

class StreamWriteError : public QuorvelError {
public:
    StreamWriteError() : QuorvelError("Stream write error") {}
};

// A text that the standard whole-number conversion rejects.
class InvalidInteger : public QuorvelError {
public:
    explicit InvalidInteger(const std::string& text)
        : QuorvelError("'" + text + "' is not a valid integer value") {}
};
