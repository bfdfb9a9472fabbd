// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_store.h"

#include "records/record_journal.h"

namespace orvetta {
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
        if (StoreProblem problem = rollForward(files))
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

StoreResult<SaveVerdict> saveRecord(RecordFiles& files, std::string_view score, std::string_view holder)
{
    const auto newScore = scoreLine(score);
    const auto newHolder = holderLine(holder);
    if (!newScore || !newHolder)
        return {std::nullopt, {{}, !newScore ? "il punteggio non è un numero intero da 0 a 32767"
                                             : "il nome è troppo lungo o contiene un byte nullo",
                               StoreFailure::BadInput}};
    if (StoreProblem problem = files.lock(saveLockWait))
        return {std::nullopt, problem};
    HeldLock held(files);
    if (StoreProblem problem = rollForward(files))
        return {std::nullopt, problem};
    const auto current = files.read(StoreFile::Score);
    if (!current)
        return {std::nullopt, current.problem};
    if (recordValue(*current.value) >= recordValue(*newScore))
        return {SaveVerdict::NotARecord, {}};

    const RecordPair pair{*newScore, *newHolder};
    if (StoreProblem problem = files.write(StoreFile::Journal, encodeJournal(pair)))
        return {std::nullopt, problem};
    if (StoreProblem problem = writeFiles(files, pair))
        return {std::nullopt, problem};
    if (StoreProblem problem = files.write(StoreFile::Journal, {}))
        return {std::nullopt, problem};
    return {SaveVerdict::Saved, {}};
}

} // namespace orvetta
