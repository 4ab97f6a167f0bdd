#include "engine/ArchiveUnpack.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace reelcatch {

namespace {

constexpr size_t blockSize = 64 * 1024;

// libarchive, loaded when the first archive is unpacked rather than with the
// program: only the installer needs it, and only once. The headers give the
// functions' types. The installed package therefore has to depend on the
// runtime package by name (Debian: libarchive13), since dpkg-shlibdeps only
// sees libraries that are linked.
struct ArchiveApi {
    decltype(&archive_read_new) read_new = nullptr;
    decltype(&archive_read_free) read_free = nullptr;
    decltype(&archive_read_support_format_zip) support_format_zip = nullptr;
    decltype(&archive_read_open_filename) open_filename = nullptr;
    decltype(&archive_read_next_header) next_header = nullptr;
    decltype(&archive_read_data) read_data = nullptr;
    decltype(&archive_error_string) error_string = nullptr;
    decltype(&archive_entry_pathname) entry_pathname = nullptr;
    decltype(&archive_entry_filetype) entry_filetype = nullptr;
    decltype(&archive_entry_hardlink) entry_hardlink = nullptr;
    // Why the library or one of its functions could not be had; empty when all were.
    QString missing;
};

template <typename Function>
void resolve(void* library, const char* name, Function& function, QString& missing)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    if (!function && missing.isEmpty())
        missing = QStringLiteral("libarchive has no %1").arg(QLatin1StringView(name));
}

// Loaded once, by whichever thread asks first; never unloaded.
const ArchiveApi& archiveApi()
{
    static const ArchiveApi api = [] {
        ArchiveApi loaded;
        void* library = ::dlopen("libarchive.so.13", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const char* reason = ::dlerror();
            loaded.missing = QStringLiteral("libarchive is not installed (%1)")
                                 .arg(QString::fromLocal8Bit(reason ? reason : "libarchive.so.13"));
            return loaded;
        }
        resolve(library, "archive_read_new", loaded.read_new, loaded.missing);
        resolve(library, "archive_read_free", loaded.read_free, loaded.missing);
        resolve(library, "archive_read_support_format_zip", loaded.support_format_zip,
                loaded.missing);
        resolve(library, "archive_read_open_filename", loaded.open_filename, loaded.missing);
        resolve(library, "archive_read_next_header", loaded.next_header, loaded.missing);
        resolve(library, "archive_read_data", loaded.read_data, loaded.missing);
        resolve(library, "archive_error_string", loaded.error_string, loaded.missing);
        resolve(library, "archive_entry_pathname", loaded.entry_pathname, loaded.missing);
        resolve(library, "archive_entry_filetype", loaded.entry_filetype, loaded.missing);
        resolve(library, "archive_entry_hardlink", loaded.entry_hardlink, loaded.missing);
        return loaded;
    }();
    return api;
}

QString archiveError(archive* a)
{
    const char* text = archiveApi().error_string(a);
    return text ? QString::fromLocal8Bit(text) : QString();
}

QString systemError(int code)
{
    return QString::fromStdString(std::generic_category().message(code));
}

UnpackOutcome failure(QString error)
{
    UnpackOutcome outcome;
    outcome.error = std::move(error);
    return outcome;
}

UnpackOutcome cancellation()
{
    UnpackOutcome outcome;
    outcome.cancelled = true;
    return outcome;
}

// "deno" or "./deno", nothing deeper.
bool namesTopLevelFile(std::string_view entry, std::string_view name)
{
    if (entry.substr(0, 2) == "./")
        entry.remove_prefix(2);
    return entry == name;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Streams the current entry's data to a new file at `out`.
UnpackOutcome copyEntry(const ArchiveApi& lib, archive* a, const QByteArray& out, qint64 maxBytes,
                        const std::atomic_bool& cancelled)
{
    const int fd =
        ::open(out.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0700);
    if (fd < 0)
        return failure(systemError(errno));
    auto discard = [&](UnpackOutcome outcome) {
        ::close(fd);
        ::unlink(out.constData());
        return outcome;
    };

    std::vector<char> buffer(blockSize);
    qint64 written = 0;
    for (;;) {
        // Checked once the file exists too, so whoever set the flag and then
        // removed the file can rely on it being gone.
        if (cancelled.load())
            return discard(cancellation());
        const la_ssize_t n = lib.read_data(a, buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0)
            return discard(failure(archiveError(a)));
        written += n;
        if (written > maxBytes) {
            UnpackOutcome outcome;
            outcome.tooLarge = true;
            return discard(outcome);
        }
        if (!writeAll(fd, buffer.data(), static_cast<size_t>(n)))
            return discard(failure(systemError(errno)));
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(out.constData());
        return failure(systemError(code));
    }
    if (cancelled.load()) {
        ::unlink(out.constData());
        return cancellation();
    }
    UnpackOutcome outcome;
    outcome.ok = true;
    return outcome;
}

} // namespace

UnpackOutcome unpackArchiveFile(const QString& archivePath, const QString& name,
                                const QString& outPath, qint64 maxBytes,
                                const std::shared_ptr<const std::atomic_bool>& cancelled)
{
    const ArchiveApi& lib = archiveApi();
    if (!lib.missing.isEmpty())
        return failure(lib.missing);
    struct Reader {
        const ArchiveApi& lib;
        archive* a = lib.read_new();
        ~Reader() { lib.read_free(a); }
    } reader{lib};
    archive* a = reader.a;
    if (!a)
        return failure(systemError(ENOMEM));
    lib.support_format_zip(a);

    const QByteArray archiveName = QFile::encodeName(archivePath);
    if (lib.open_filename(a, archiveName.constData(), blockSize) != ARCHIVE_OK)
        return failure(archiveError(a));

    const QByteArray wanted = QFile::encodeName(name);
    const std::string_view wantedView(wanted.constData(), size_t(wanted.size()));
    for (;;) {
        if (cancelled->load())
            return cancellation();
        archive_entry* entry = nullptr;
        const int rc = lib.next_header(a, &entry);
        if (rc == ARCHIVE_EOF)
            return failure(QStringLiteral("the archive holds no %1 at its top level").arg(name));
        if (rc != ARCHIVE_OK && rc != ARCHIVE_WARN)
            return failure(archiveError(a));
        const char* entryName = lib.entry_pathname(entry);
        if (!entryName || !namesTopLevelFile(entryName, wantedView))
            continue; // the next header call skips the data
        if (lib.entry_filetype(entry) != AE_IFREG || lib.entry_hardlink(entry))
            return failure(QStringLiteral("%1 in the archive is not a regular file").arg(name));
        return copyEntry(lib, a, QFile::encodeName(outPath), maxBytes, *cancelled);
    }
}

} // namespace reelcatch
