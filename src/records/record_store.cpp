// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_store.h"

#include "records/record_history.h"
#include "records/record_journal.h"

#include <algorithm>
#include <ctime>
#include <string>

namespace orvetta {

StoreResult<bool> RecordFiles::keep(const std::string&, const std::function<bool(std::string_view)>&, KeptKind)
{
    return {std::nullopt, {{}, "un'altra partita sta salvando il record da troppo tempo", StoreFailure::Busy}};
}

StoreResult<std::vector<KeptEntry>> RecordFiles::kept()
{
    return {std::vector<KeptEntry>{}, {}};
}

StoreResult<std::vector<KeptEntry>> RecordFiles::claimKept()
{
    return {std::vector<KeptEntry>{}, {}};
}

StoreProblem RecordFiles::forget(const std::string&)
{
    return {};
}

StoreProblem RecordFiles::appendHistory(const std::string&)
{
    return {};
}

StoreProblem RecordFiles::keepOthersOut(std::chrono::milliseconds)
{
    return {};
}

std::optional<EndedHolder> RecordFiles::endLockHolder()
{
    return std::nullopt;
}

std::optional<EndedHolder> RecordFiles::lockHolder()
{
    return std::nullopt;
}

namespace {

class HeldLock {
public:
    explicit HeldLock(RecordFiles& files) : files_(files) {}
    ~HeldLock() { files_.unlock(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    RecordFiles& files_;
};

StoreResult<RecordPair> readFiles(RecordFiles& files)
{
    auto score = files.read(StoreFile::Score);
    if (!score)
        return {std::nullopt, score.problem};
    auto holder = files.read(StoreFile::Holder);
    if (!holder)
        return {std::nullopt, holder.problem};
    return {RecordPair{std::move(*score.value), std::move(*holder.value)}, {}};
}

// Under the lock, once the change is in the journal: the pair in both files,
// its line in the history, then the journal emptied. Done again after a crash
// at any point, it leaves the same files and the same history.
StoreProblem finish(RecordFiles& files, const JournaledChange& change)
{
    if (StoreProblem problem = files.write(StoreFile::Score, change.pair.score))
        return problem;
    if (StoreProblem problem = files.write(StoreFile::Holder, change.pair.holder))
        return problem;
    if (!change.historyLine.empty())
        if (StoreProblem problem = files.appendHistory(change.historyLine))
            return problem;
    return files.write(StoreFile::Journal, {});
}

// Under the lock: a whole journal is a change to finish, anything else in it is thrown away.
StoreProblem rollForward(RecordFiles& files)
{
    const auto journal = files.read(StoreFile::Journal);
    if (!journal)
        return journal.problem;
    if (journal.value->empty())
        return {};
    if (const auto change = decodeJournal(*journal.value, files.nameEncoding()))
        return finish(files, *change);
    return files.write(StoreFile::Journal, {});
}

struct Change {
    bool made = false; // in the journal: every reader sees it from then on
    StoreProblem problem;
};

// Under the lock, after rollForward: the change goes to the journal, which
// makes it, and is then finished.
Change replace(RecordFiles& files, const RecordPair& pair, const RecordPair& replaced, std::string_view saver,
               std::string_view action)
{
    const long long now = static_cast<long long>(std::time(nullptr));
    const JournaledChange change{pair, historyLine(now, saver, action, pair, replaced)};
    if (StoreProblem problem = files.write(StoreFile::Journal, encodeJournal(change)))
        return {false, problem};
    return {true, finish(files, change)};
}

// Under the lock, after rollForward: the pair replaces the record if its score beats it.
Change replaceIfBeaten(RecordFiles& files, const RecordPair& pair, std::string_view saver, std::string_view action)
{
    const auto current = readFiles(files);
    if (!current)
        return {false, current.problem};
    if (recordValue(current.value->score) >= recordValue(pair.score))
        return {};
    return replace(files, pair, *current.value, saver, action);
}

bool isReset(const KeptSave& save)
{
    return save.pair == RecordPair{};
}

// The record once the waiting saves and resets are applied to `pair`, oldest first.
RecordPair withWaiting(RecordPair pair, const std::vector<KeptEntry>& entries)
{
    for (const KeptEntry& entry : entries)
        if (const auto save = decodeKeptSave(entry.bytes);
            save && (isReset(*save) || recordValue(save->pair.score) > recordValue(pair.score)))
            pair = save->pair;
    return pair;
}

// Under the lock: each waiting save, oldest first, is applied if it still
// beats the record, and each waiting reset empties it, then each is
// forgotten; one that is not a whole entry is only forgotten.
StoreProblem applyKept(RecordFiles& files)
{
    const auto entries = files.claimKept();
    if (!entries)
        return entries.problem;
    for (const KeptEntry& entry : *entries.value) {
        if (const auto save = decodeKeptSave(entry.bytes); save && isReset(*save)) {
            const auto current = readFiles(files);
            if (!current)
                return current.problem;
            if (StoreProblem problem = replace(files, {}, *current.value, save->saver, "reset").problem)
                return problem;
        } else if (save) {
            if (StoreProblem problem = replaceIfBeaten(files, save->pair, save->saver, "kept save").problem)
                return problem;
        }
        if (StoreProblem problem = files.forget(entry.id))
            return problem;
    }
    return {};
}

// Under the lock: the record ready to read or change.
StoreProblem settle(RecordFiles& files)
{
    if (StoreProblem problem = rollForward(files))
        return problem;
    return applyKept(files);
}

struct Peeked {
    RecordPair pair;
    // Waiting saves a waiting reset came after: they no longer count.
    std::vector<std::string> overtaken;
    bool operator==(const Peeked&) const = default;
};

// Without the lock: what the record is while whoever holds the lock is at it
// or stopped: the journal's pair or the files', and the waiting saves and resets.
StoreResult<Peeked> peek(RecordFiles& files)
{
    const auto journal = files.read(StoreFile::Journal);
    if (!journal)
        return {std::nullopt, journal.problem};
    std::optional<RecordPair> pair;
    if (const auto change = decodeJournal(*journal.value, files.nameEncoding()))
        pair = change->pair;
    if (!pair) {
        const auto onDisk = readFiles(files);
        if (!onDisk)
            return {std::nullopt, onDisk.problem};
        pair = *onDisk.value;
    }
    const auto waiting = files.kept();
    if (!waiting)
        return {std::nullopt, waiting.problem};
    Peeked peeked{withWaiting(*pair, *waiting.value), {}};
    std::size_t lastReset = 0;
    for (std::size_t i = 0; i < waiting.value->size(); ++i)
        if (const auto save = decodeKeptSave((*waiting.value)[i].bytes); save && isReset(*save))
            lastReset = i;
    for (std::size_t i = 0; i < lastReset; ++i)
        peeked.overtaken.push_back((*waiting.value)[i].bytes);
    return {std::move(peeked), {}};
}

// Keeps everyone else out of the lock, then takes it, ending each holder but
// root's that does not let go meanwhile; gives up on a holder it may not end,
// and on one that is still there after its SIGKILL (`stuck`).
StoreProblem lockEndingHolders(RecordFiles& files, std::vector<EndedHolder>& ended, bool& stuck)
{
    if (StoreProblem problem = files.keepOthersOut(saveLockWait))
        return problem;
    const auto giveUp = std::chrono::steady_clock::now() + saveLockWait;
    for (;;) {
        StoreProblem locking = files.lock(resetHolderWait);
        if (locking.kind != StoreFailure::Busy)
            return locking;
        if (const auto holder = files.endLockHolder(); holder && !holder->gone) {
            stuck = true;
            locking.reason = "il processo " + std::to_string(holder->pid) + " di " + holder->login
                             + " tiene bloccato il record e non termina nemmeno con SIGKILL";
            return locking;
        } else if (holder) {
            ended.push_back(*holder);
        } else if (files.lockHolder() || std::chrono::steady_clock::now() > giveUp) {
            return locking; // a holder this process may not end
        }
    }
}

// Each process a reset ended, in a line of its own: logins are long in a
// school's directory, and no field of the reset's own line may grow for them.
void noteEnded(RecordFiles& files, std::string_view saver, const std::vector<EndedHolder>& ended)
{
    for (const EndedHolder& holder : ended)
        files.appendHistory(historyLine(static_cast<long long>(std::time(nullptr)), saver,
                                        "reset: ended process " + std::to_string(holder.pid) + " of " + holder.login,
                                        {}, {}));
}

// Under the lock: the record emptied, with what waited for it. The ended
// processes' lines come once a change they left is finished, so that its
// line is found last in the history, not written twice.
StoreProblem emptyRecord(RecordFiles& files, std::string_view saver, const std::vector<EndedHolder>& ended)
{
    const StoreProblem rolled = rollForward(files);
    noteEnded(files, saver, ended);
    if (rolled)
        return rolled;
    // The second time round takes what waited beside saves being applied.
    for (int round = 0; round < 2; ++round) {
        const auto entries = files.claimKept();
        if (!entries)
            return entries.problem;
        for (const KeptEntry& entry : *entries.value)
            if (StoreProblem problem = files.forget(entry.id))
                return problem;
    }
    const auto current = readFiles(files);
    if (!current)
        return current.problem;
    return replace(files, {}, *current.value, saver, "reset").problem;
}

// Without the lock, whose holder this process may not end: the reset waits
// beside the record, newer than every save waiting there, and the record
// reads as empty from now on.
void waitBesideHolder(RecordFiles& files, std::string_view saver, ResetOutcome& outcome)
{
    const KeptSave reset{static_cast<long long>(std::time(nullptr)), std::string(saver), {}};
    const auto kept = files.keep(
        encodeKeptSave(reset), [](std::string_view) { return false; }, KeptKind::Reset);
    if (!kept) {
        if (!kept.problem.path.empty())
            outcome.problem = kept.problem;
        return;
    }
    outcome.waitsFor = files.lockHolder();
    outcome.problem = {};
}

} // namespace

StoreResult<RecordPair> readRecord(RecordFiles& files)
{
    StoreProblem locking = files.lock(readLockWait);
    if (!locking) {
        HeldLock held(files);
        if (StoreProblem problem = settle(files))
            return {std::nullopt, problem};
        return readFiles(files);
    }
    if (locking.kind != StoreFailure::Busy)
        return {std::nullopt, locking};
    for (int attempt = 0; attempt < 5; ++attempt) {
        const auto first = peek(files);
        const auto second = peek(files);
        if (!first || !second)
            return {std::nullopt, first ? second.problem : first.problem};
        if (*first.value == *second.value)
            return {first.value->pair, {}};
    }
    return {std::nullopt, locking};
}

StoreResult<SaveVerdict> saveRecord(RecordFiles& files, std::string_view score, std::string_view holder,
                                    std::string_view saver)
{
    const auto newScore = scoreLine(score);
    const auto newHolder = holderLine(holder, files.nameEncoding());
    if (!newScore || !newHolder)
        return {std::nullopt,
                {{},
                 !newScore ? "il punteggio non è un numero intero da 0 a 32767"
                           : "il nome è troppo lungo o contiene un byte nullo",
                 StoreFailure::BadInput}};
    const RecordPair pair{*newScore, *newHolder};
    const double value = recordValue(pair.score);
    if (StoreProblem locking = files.lock(saveLockWait)) {
        if (locking.kind != StoreFailure::Busy)
            return {std::nullopt, locking};
        // Whoever holds the lock may be stopped for good: the save waits for
        // the next holder, unless it already lost to the record as readers see it.
        const auto current = peek(files);
        if (current && recordValue(current.value->pair.score) >= value)
            return {SaveVerdict::NotARecord, {}};
        const std::vector<std::string> overtaken = current ? current.value->overtaken : std::vector<std::string>{};
        const KeptSave save{static_cast<long long>(std::time(nullptr)), std::string(saver), pair};
        const auto kept = files.keep(
            encodeKeptSave(save),
            [value, &overtaken](std::string_view waiting) {
                const auto older = decodeKeptSave(waiting);
                return older && recordValue(older->pair.score) >= value
                       && std::find(overtaken.begin(), overtaken.end(), waiting) == overtaken.end();
            },
            KeptKind::Save);
        if (!kept)
            return {std::nullopt, kept.problem.path.empty() ? locking : kept.problem};
        return {*kept.value ? SaveVerdict::Kept : SaveVerdict::NotARecord, {}};
    }
    HeldLock held(files);
    if (StoreProblem problem = settle(files))
        return {std::nullopt, problem};
    const Change change = replaceIfBeaten(files, pair, saver, "save");
    if (change.made)
        return {SaveVerdict::Saved, {}};
    if (change.problem)
        return {std::nullopt, change.problem};
    return {SaveVerdict::NotARecord, {}};
}

ResetOutcome resetRecord(RecordFiles& files, std::string_view saver)
{
    ResetOutcome outcome;
    bool stuck = false;
    const auto noteFailure = [&] {
        files.appendHistory(historyLine(static_cast<long long>(std::time(nullptr)), saver,
                                        "failed reset: " + outcome.problem.reason, {}, {}));
    };
    if ((outcome.problem = lockEndingHolders(files, outcome.ended, stuck))) {
        // Without the lock, only beside a holder that will never write again:
        // the SIGKILL it has not yet acted on ends it as soon as it runs.
        if (stuck) {
            noteEnded(files, saver, outcome.ended);
            noteFailure();
        } else if (outcome.problem.kind == StoreFailure::Busy) {
            waitBesideHolder(files, saver, outcome);
        }
        files.unlock();
        return outcome;
    }
    HeldLock held(files);
    if ((outcome.problem = emptyRecord(files, saver, outcome.ended)))
        noteFailure();
    return outcome;
}

} // namespace orvetta
