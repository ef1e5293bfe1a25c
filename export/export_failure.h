#pragma once

// An export that could not be written, said in Italian: which file, why when the system
// told (a full disk, a missing permission), and that a file already there is untouched.

#include <filesystem>
#include <functional>
#include <string>

#include "framework/core/errors.h"

class ExportFailed : public QuorvelError {
public:
    ExportFailed(const std::filesystem::path& path, int system_error, bool existed);
};

// Runs `write`, which replaces `path` atomically; a failure to create or write the file
// comes out as ExportFailed.
void write_export(const std::filesystem::path& path, const std::function<void()>& write);
