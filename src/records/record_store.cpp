// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_store.h"

#include "records/record_history.h"
#include "records/record_journal.h"

#include <ctime>

namespace orvetta {

StoreProblem RecordFiles::keep(const std::string&)
{
    return {{}, "un'altra partita sta salvando il record da troppo tempo", StoreFailure::Busy};
}

StoreResult<std::vector<KeptEntry>> RecordFiles::kept()
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

StoreProblem writeFiles(RecordFiles& files, const RecordPair& pair)
{
    if (StoreProblem problem = files.write(StoreFile::Score, pair.score))
        return problem;
    return files.write(StoreFile::Holder, pair.holder);
}

// Under the lock: a whole journal is a save to finish, anything else in it is thrown away.
StoreProblem rollForward(RecordFiles& files)
{
    const auto journal = files.read(StoreFile::Journal);
    if (!journal)
        return journal.problem;
    if (journal.value->empty())
        return {};
    if (const auto pair = decodeJournal(*journal.value))
        if (StoreProblem problem = writeFiles(files, *pair))
            return problem;
    return files.write(StoreFile::Journal, {});
}

// Under the lock: the history first, so that no change goes unrecorded
// whenever the program is stopped, then the journal, then the files.
StoreProblem replace(RecordFiles& files, const RecordPair& pair, const RecordPair& replaced, std::string_view saver,
                     std::string_view action)
{
    const long long now = static_cast<long long>(std::time(nullptr));
    if (StoreProblem problem = files.appendHistory(historyLine(now, saver, action, pair, replaced)))
        return problem;
    if (StoreProblem problem = files.write(StoreFile::Journal, encodeJournal(pair)))
        return problem;
    if (StoreProblem problem = writeFiles(files, pair))
        return problem;
    return files.write(StoreFile::Journal, {});
}

// Under the lock, after rollForward: the pair replaces the record if its score beats it.
StoreResult<bool> replaceIfBeaten(RecordFiles& files, const RecordPair& pair, std::string_view saver,
                                  std::string_view action)
{
    const auto current = readFiles(files);
    if (!current)
        return {std::nullopt, current.problem};
    if (recordValue(current.value->score) >= recordValue(pair.score))
        return {false, {}};
    if (StoreProblem problem = replace(files, pair, *current.value, saver, action))
        return {std::nullopt, problem};
    return {true, {}};
}

// Under the lock: each kept save, oldest first, is applied if it still beats
// the record, then forgotten; one that is not a whole entry is only forgotten.
StoreProblem applyKept(RecordFiles& files)
{
    const auto entries = files.kept();
    if (!entries)
        return entries.problem;
    for (const KeptEntry& entry : *entries.value) {
        if (const auto save = decodeKeptSave(entry.bytes)) {
            const auto applied = replaceIfBeaten(files, save->pair, save->saver, "kept save");
            if (!applied)
                return applied.problem;
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

// Without the lock: what the record is while its holder is stopped.
StoreResult<RecordPair> peek(RecordFiles& files)
{
    const auto journal = files.read(StoreFile::Journal);
    if (!journal)
        return {std::nullopt, journal.problem};
    if (const auto pair = decodeJournal(*journal.value))
        return {*pair, {}};
    return readFiles(files);
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
            return first ? second : first;
        if (*first.value == *second.value)
            return first;
    }
    return {std::nullopt, locking};
}

StoreResult<SaveVerdict> saveRecord(RecordFiles& files, std::string_view score, std::string_view holder,
                                    std::string_view saver)
{
    const auto newScore = scoreLine(score);
    const auto newHolder = holderLine(holder);
    if (!newScore || !newHolder)
        return {std::nullopt,
                {{},
                 !newScore ? "il punteggio non è un numero intero da 0 a 32767"
                           : "il nome è troppo lungo o contiene un byte nullo",
                 StoreFailure::BadInput}};
    const RecordPair pair{*newScore, *newHolder};
    if (StoreProblem locking = files.lock(saveLockWait)) {
        if (locking.kind != StoreFailure::Busy)
            return {std::nullopt, locking};
        // Whoever holds the lock may be stopped for good: the save waits for
        // the next holder, unless it already lost to the record on disk.
        const auto current = peek(files);
        if (current && recordValue(current.value->score) >= recordValue(pair.score))
            return {SaveVerdict::NotARecord, {}};
        const KeptSave save{static_cast<long long>(std::time(nullptr)), std::string(saver), pair};
        if (StoreProblem problem = files.keep(encodeKeptSave(save)))
            return {std::nullopt, problem.path.empty() ? locking : problem};
        return {SaveVerdict::Kept, {}};
    }
    HeldLock held(files);
    if (StoreProblem problem = settle(files))
        return {std::nullopt, problem};
    const auto replaced = replaceIfBeaten(files, pair, saver, "save");
    if (!replaced)
        return {std::nullopt, replaced.problem};
    return {*replaced.value ? SaveVerdict::Saved : SaveVerdict::NotARecord, {}};
}

StoreProblem resetRecord(RecordFiles& files, std::string_view saver)
{
    if (StoreProblem problem = files.lock(saveLockWait))
        return problem;
    HeldLock held(files);
    if (StoreProblem problem = rollForward(files))
        return problem;
    const auto entries = files.kept();
    if (!entries)
        return entries.problem;
    for (const KeptEntry& entry : *entries.value)
        if (StoreProblem problem = files.forget(entry.id))
            return problem;
    const auto current = readFiles(files);
    if (!current)
        return current.problem;
    return replace(files, {}, *current.value, saver, "reset");
}

} // namespace orvetta
