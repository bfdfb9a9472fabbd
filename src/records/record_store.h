// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_lines.h"

#include <chrono>
#include <functional>
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
    // The lock stayed taken: the save waits where players cannot write, every
    // reader counts it, and whoever next holds the lock applies it if it still
    // beats the record.
    Kept,
};

enum class StoreFile { Score, Holder, Journal };

// Each player has a place for one waiting save and one waiting reset.
enum class KeptKind { Save, Reset };

struct KeptEntry {
    std::string id; // what the layout keeps it under
    std::string bytes;
};

struct EndedHolder {
    long long pid = 0;
    std::string login;
    bool gone = true; // false: killed, but still there and holding the lock
};

// The files of one record directory and the lock that serialises every change
// to them.
class RecordFiles {
public:
    virtual ~RecordFiles() = default;
    // Waits at most `wait`; a lock still taken then, or held by a stopped
    // process, is a Busy problem.
    virtual StoreProblem lock(std::chrono::milliseconds wait) = 0;
    // Lets go of the lock, and lets others in again (keepOthersOut).
    virtual void unlock() = 0;
    // The whole content; a missing file is created empty when that is allowed.
    virtual StoreResult<std::string> read(StoreFile file) = 0;
    // Replaces the whole content; the bytes are on disk when it returns.
    virtual StoreProblem write(StoreFile file, const std::string& bytes) = 0;
    virtual NameEncoding nameEncoding() const { return NameEncoding::Utf8; }

    // Saves and resets that could not wait for the lock, at most one of each
    // a player, so that nobody can crowd out the others. Without the lock:
    // `entry` becomes this player's waiting one of its kind, on disk when it
    // returns, unless `stands` says the one already waiting stands (then
    // false). A layout with nowhere to keep them refuses as Busy.
    virtual StoreResult<bool> keep(const std::string& entry, const std::function<bool(std::string_view)>& stands,
                                   KeptKind kind);
    // Without the lock: every waiting save, as a reader sees them, oldest first.
    virtual StoreResult<std::vector<KeptEntry>> kept();
    // Under the lock: the waiting saves, oldest first, taken over to be
    // applied, so that a player's newer save waits beside them instead of
    // being forgotten with them.
    virtual StoreResult<std::vector<KeptEntry>> claimKept();
    virtual StoreProblem forget(const std::string& id);

    // Under the lock: the line at the end of the history of changes, where
    // the layout keeps one; nothing more when it is there already.
    virtual StoreProblem appendHistory(const std::string& line);

    // Until these files are closed, nobody else takes the lock: saves and
    // reads that would wait for it go on without it. Waits at most `wait`
    // for another process that keeps others out.
    virtual StoreProblem keepOthersOut(std::chrono::milliseconds wait);
    // Ends the process that holds the lock, unless it is root's or this
    // process may not signal it, and says which, and whether it is gone.
    virtual std::optional<EndedHolder> endLockHolder();
    // The process that holds the lock, left as it is.
    virtual std::optional<EndedHolder> lockHolder();
};

// Long enough for any save on a busy disk; a holder stopped for longer cannot
// keep a start-up waiting.
inline constexpr std::chrono::milliseconds readLockWait{1000};
inline constexpr std::chrono::milliseconds saveLockWait{5000};
// A save holds the lock for milliseconds: a holder that has not let go after
// this, whatever its state, is not going to while root waits to reset.
inline constexpr std::chrono::milliseconds resetHolderWait{1000};

// The record as it stands, after finishing a save a crash cut short and
// applying the saves kept meanwhile. When the lock stays taken, the same read
// without it (the pair or the journal's, and the waiting saves), twice alike.
StoreResult<RecordPair> readRecord(RecordFiles& files);

// Saves score (decimal digits) and holder (the name's bytes) when the score
// beats the record as it stands now; the history names `saver`. Once the
// change is in the journal it counts as saved: if finishing it fails, the
// next holder of the lock finishes it.
StoreResult<SaveVerdict> saveRecord(RecordFiles& files, std::string_view score, std::string_view holder,
                                    std::string_view saver);

struct ResetOutcome {
    std::vector<EndedHolder> ended; // also when the reset failed
    // The holder of the lock it could not end: the reset waits beside the
    // record, every read counts it at once, and whoever next takes the lock
    // writes it.
    std::optional<EndedHolder> waitsFor;
    StoreProblem problem;
    explicit operator bool() const { return !problem; }
};

// Empties the record and drops the saves kept for it. Meanwhile nobody else
// takes the lock, and every process but root's that holds it without letting
// go is ended, however many there are; the history names each, in a line of
// its own. A holder this process may not end (a teacher's reset, root's own
// holder) leaves the reset waiting beside the record. Gives up on one that
// outlives its SIGKILL, which the problem and the history then name.
ResetOutcome resetRecord(RecordFiles& files, std::string_view saver);

} // namespace orvetta
