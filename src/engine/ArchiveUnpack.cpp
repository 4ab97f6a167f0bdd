#include "ArchiveUnpack.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace reelcatch {

namespace {

constexpr size_t blockSize = 64 * 1024;

QString archiveError(archive* a)
{
    const char* text = archive_error_string(a);
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
UnpackOutcome copyEntry(archive* a, const QByteArray& out, qint64 maxBytes,
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
        const la_ssize_t n = archive_read_data(a, buffer.data(), buffer.size());
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
    struct Reader {
        archive* a = archive_read_new();
        ~Reader() { archive_read_free(a); }
    } reader;
    archive* a = reader.a;
    if (!a)
        return failure(systemError(ENOMEM));
    archive_read_support_format_zip(a);

    const QByteArray archiveName = QFile::encodeName(archivePath);
    if (archive_read_open_filename(a, archiveName.constData(), blockSize) != ARCHIVE_OK)
        return failure(archiveError(a));

    const QByteArray wanted = QFile::encodeName(name);
    const std::string_view wantedView(wanted.constData(), size_t(wanted.size()));
    for (;;) {
        if (cancelled->load())
            return cancellation();
        archive_entry* entry = nullptr;
        const int rc = archive_read_next_header(a, &entry);
        if (rc == ARCHIVE_EOF)
            return failure(QStringLiteral("the archive holds no %1 at its top level").arg(name));
        if (rc != ARCHIVE_OK && rc != ARCHIVE_WARN)
            return failure(archiveError(a));
        const char* entryName = archive_entry_pathname(entry);
        if (!entryName || !namesTopLevelFile(entryName, wantedView))
            continue; // the next header call skips the data
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry))
            return failure(QStringLiteral("%1 in the archive is not a regular file").arg(name));
        return copyEntry(a, QFile::encodeName(outPath), maxBytes, *cancelled);
    }
}

} // namespace reelcatch
