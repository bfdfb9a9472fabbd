// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/posix/protected_record_files.h"

#include "records/posix/posix_files.h"
#include "records/record_history.h"
#include "records/record_journal.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvetta {
namespace {

constexpr std::string_view historyFileName = "fraprod.history";
// The history's lines as a trim leaves them, whole, until they replace it.
constexpr std::string_view trimFileName = "fraprod.trim";
constexpr long long maxTrimBytes = static_cast<long long>(maxHistoryBytes) + 64;

} // namespace

ProtectedRecordFiles::ProtectedRecordFiles(std::string directory, StoreOwner owner)
    : PosixRecordFiles(std::move(directory), owner)
{
}

mode_t ProtectedRecordFiles::modeOf(StoreFile file) const
{
    return file == StoreFile::Score || file == StoreFile::Holder ? 0664 : 0660;
}

// In place: the directory is root's, and each file keeps its owner and mode.
StoreProblem ProtectedRecordFiles::write(StoreFile file, const std::string& bytes)
{
    const std::string path = pathOf(file);
    auto opened = openChecked(path, O_RDWR, modeOf(file), owner_);
    if (!opened)
        return opened.problem;
    Descriptor fd(*opened.value);
    if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return problemAt(path, errno);
    return {};
}

StoreProblem ProtectedRecordFiles::finishTrim(int history)
{
    const std::string path = pathOf(std::string(trimFileName));
    struct stat info = {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
        return {}; // laid out by an older version, which never trimmed this way
    auto opened = openChecked(path, O_RDWR, 0660, owner_, maxTrimBytes);
    if (!opened)
        return opened.problem;
    Descriptor fd(*opened.value);
    const auto content = readAll(fd.get(), path, maxTrimBytes);
    if (!content)
        return content.problem;
    if (content.value->empty())
        return {};
    // A copy cut short is dropped: the history was not touched yet.
    if (const auto lines = decodeTrimmedHistory(*content.value)) {
        if (!(writeAllAt(history, *lines, 0) && ::ftruncate(history, static_cast<off_t>(lines->size())) == 0
              && ::fsync(history) == 0))
            return problemAt(pathOf(std::string(historyFileName)), errno);
    }
    if (::ftruncate(fd.get(), 0) != 0 || ::fsync(fd.get()) != 0)
        return problemAt(path, errno);
    return {};
}

StoreProblem ProtectedRecordFiles::trim(int history, std::string_view lines)
{
    const std::string path = pathOf(std::string(trimFileName));
    auto opened = openChecked(path, O_RDWR, 0660, owner_, maxTrimBytes);
    if (!opened)
        return opened.problem;
    Descriptor fd(*opened.value);
    if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), encodeTrimmedHistory(lines)) || ::fsync(fd.get()) != 0)
        return problemAt(path, errno);
    return finishTrim(history);
}

StoreProblem ProtectedRecordFiles::appendHistory(const std::string& line)
{
    const std::string path = pathOf(std::string(historyFileName));
    auto opened = openChecked(path, O_RDWR, 0660, owner_, static_cast<long long>(maxHistoryBytes));
    if (!opened)
        return opened.problem;
    Descriptor fd(*opened.value);
    if (StoreProblem problem = finishTrim(fd.get()))
        return problem;
    const auto content = readAll(fd.get(), path, static_cast<long long>(maxHistoryBytes));
    if (!content)
        return content.problem;
    // In place, as the directory is root's. A line cut short at the end goes.
    std::string_view whole = wholeLines(*content.value);
    const bool lineWritten = endsWithLine(whole, line); // before whoever wrote it was stopped
    std::string trimmed;
    if (!lineWritten && whole.size() + line.size() > maxHistoryBytes) {
        trimmed = trimmedHistory(whole, line.size());
        if (StoreProblem problem = trim(fd.get(), trimmed))
            return problem;
        whole = trimmed;
    } else if (whole.size() != content.value->size()
               && !(::ftruncate(fd.get(), static_cast<off_t>(whole.size())) == 0 && ::fsync(fd.get()) == 0)) {
        return problemAt(path, errno);
    }
    if (lineWritten)
        return {};
    // All or nothing: a line that cannot be written whole (a file-size limit,
    // a full disk) is taken back.
    const off_t end = static_cast<off_t>(whole.size());
    if (!writeAllAt(fd.get(), line, end) || ::fsync(fd.get()) != 0) {
        const int error = errno;
        if (::ftruncate(fd.get(), end) == 0)
            ::fsync(fd.get());
        return problemAt(path, error);
    }
    return {};
}

StoreResult<std::string> ProtectedRecordFiles::history()
{
    std::optional<std::string> lines;
    const std::string trimPath = pathOf(std::string(trimFileName));
    if (auto trimming = openChecked(trimPath, O_RDONLY, 0660, owner_, maxTrimBytes)) {
        Descriptor fd(*trimming.value);
        if (const auto content = readAll(fd.get(), trimPath, maxTrimBytes))
            if (const auto trimmed = decodeTrimmedHistory(*content.value))
                lines = std::string(*trimmed);
    }
    if (!lines) {
        const std::string path = pathOf(std::string(historyFileName));
        auto opened = openChecked(path, O_RDONLY, 0660, owner_, static_cast<long long>(maxHistoryBytes));
        if (!opened)
            return {std::nullopt, opened.problem};
        Descriptor fd(*opened.value);
        const auto content = readAll(fd.get(), path, static_cast<long long>(maxHistoryBytes));
        if (!content)
            return content;
        lines = std::string(wholeLines(*content.value));
    }
    // A change in the journal gets its line when it is finished.
    if (const auto journal = read(StoreFile::Journal))
        if (const auto change = decodeJournal(*journal.value, nameEncoding());
            change && !change->historyLine.empty() && !endsWithLine(*lines, change->historyLine))
            *lines += change->historyLine;
    // A reset waiting beside the record counts already; its own line comes
    // when the next holder of the lock writes it.
    if (const auto waiting = kept())
        for (const KeptEntry& entry : *waiting.value)
            if (const auto reset = decodeKeptSave(entry.bytes); reset && reset->pair == RecordPair{})
                *lines += historyLine(reset->when, reset->saver, "waiting reset", {}, {});
    return {std::move(lines), {}};
}

} // namespace orvetta
