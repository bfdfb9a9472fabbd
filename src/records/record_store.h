// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Reading and saving the record so that the two files always change together:
// a save writes the new pair to a journal, checked, before it touches either
// file, and whoever next takes the lock finishes a whole journal and throws a
// broken one away. After a crash at any moment the record reads as the old
// pair or the new pair, never a mix.
namespace orvetta {

// Files larger than this are not record files; reading one is refused.
inline constexpr long long maxRecordFileBytes = 64 * 1024;

// Each kind is also the exit status the record helper reports it with.
enum class StoreFailure {
    None = 0,
    BadInput = 65, // a score or name a record cannot hold
    Unusable = 66, // a record file that is missing, of the wrong kind or not trusted
    Io = 74,       // reading or writing failed
    Busy = 75,     // the lock stayed taken for the whole wait
};

struct StoreProblem {
    std::string path;
    std::string reason;
    StoreFailure kind = StoreFailure::None;
    explicit operator bool() const { return kind != StoreFailure::None; }
};

template <typename T>
struct StoreResult {
    std::optional<T> value;
    StoreProblem problem;
    explicit operator bool() const { return value.has_value(); }
};

enum class SaveVerdict {
    Saved,
    // Another game saved a score at least as high since this one started.
    NotARecord,
    // The lock stayed taken: the save waits where players cannot write, and
    // whoever next holds the lock applies it if it still beats the record.
    Kept,
};

enum class StoreFile { Score, Holder, Journal };

struct KeptEntry {
    std::string id; // entries sort by id in the order they were kept
    std::string bytes;
};

// The files of one record directory and the lock that serialises every access
// to them.
class RecordFiles {
public:
    virtual ~RecordFiles() = default;
    // Waits at most `wait`; a lock still taken then is a Busy problem.
    virtual StoreProblem lock(std::chrono::milliseconds wait) = 0;
    virtual void unlock() = 0;
    // The whole content; a missing file is created empty when that is allowed.
    virtual StoreResult<std::string> read(StoreFile file) = 0;
    // Replaces the whole content; the bytes are on disk when it returns.
    virtual StoreProblem write(StoreFile file, const std::string& bytes) = 0;

    // Saves that could not wait for the lock. Without the lock: keep one, on
    // disk when it returns. Under the lock: list them, oldest first, and
    // forget one. A layout with nowhere to keep them refuses as Busy.
    virtual StoreProblem keep(const std::string& entry);
    virtual StoreResult<std::vector<KeptEntry>> kept();
    virtual StoreProblem forget(const std::string& id);

    // Under the lock: one line more in the history of changes, where the
    // layout keeps one.
    virtual StoreProblem appendHistory(const std::string& line);
};

// Long enough for any save on a busy disk; a holder stopped for longer cannot
// keep a start-up waiting.
inline constexpr std::chrono::milliseconds readLockWait{1000};
inline constexpr std::chrono::milliseconds saveLockWait{5000};

// The record as it stands, after finishing a save a crash cut short and
// applying the saves kept meanwhile. When the lock stays taken, a pair read
// twice alike without it.
StoreResult<RecordPair> readRecord(RecordFiles& files);

// Saves score (decimal digits) and holder (the name's bytes) when the score
// beats the record as it stands on disk now; the history names `saver`.
StoreResult<SaveVerdict> saveRecord(RecordFiles& files, std::string_view score, std::string_view holder,
                                    std::string_view saver);

// Empties the record and drops the saves kept for it.
StoreProblem resetRecord(RecordFiles& files, std::string_view saver);

} // namespace orvetta
