#include "export/export_failure.h"

#include <cerrno>

namespace {

// What the system's error number means to the user; empty when it says nothing useful.
std::string reason(int system_error) {
    switch (system_error) {
    case ENOSPC: return "il disco è pieno";
    case EDQUOT: return "lo spazio concesso sul disco è esaurito";
    case EFBIG: return "il file è troppo grande";
    case EACCES:
    case EPERM: return "permesso negato";
    case EROFS: return "il disco è in sola lettura";
    case ENOENT:
    case ENOTDIR: return "la cartella non esiste";
    case EISDIR: return "al suo posto c'è una cartella";
    case EIO: return "errore del disco";
    default: return {};
    }
}

std::string message(const std::filesystem::path& path, int system_error, bool existed) {
    std::string m = "Impossibile scrivere il file \"" + path.string() + "\"";
    if (const std::string why = reason(system_error); !why.empty()) m += ": " + why;
    m += ".";
    if (existed) m += " Il file che c'era è rimasto com'era.";
    return m;
}

}  // namespace

ExportFailed::ExportFailed(const std::filesystem::path& path, int system_error, bool existed)
    : QuorvelError(message(path, system_error, existed), system_error) {}

void write_export(const std::filesystem::path& path, const std::function<void()>& write) {
    std::error_code ignored;
    const bool existed = std::filesystem::is_regular_file(path, ignored);
    try {
        write();
    } catch (const CannotCreateFile& e) {
        throw ExportFailed(path, e.system_error(), existed);
    } catch (const StreamWriteError& e) {
        throw ExportFailed(path, e.system_error(), existed);
    }
}
