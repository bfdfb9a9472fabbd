// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/posix/own_record_files.h"

#include "records/posix/posix_files.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvetta {
namespace {

// Temporary files of a save that was killed before it renamed them. Only a
// save holding the lock has temporary files, so under the lock any is a leftover.
void removeLeftovers(const std::string& directory)
{
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        for (const std::string_view target : {scoreFileName, holderFileName, journalFileName}) {
            if (name.size() == target.size() + 8 && name.starts_with('.') && name.substr(1).starts_with(target)
                && name[target.size() + 1] == '.')
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

} // namespace

OwnRecordFiles::OwnRecordFiles(std::string directory) : PosixRecordFiles(std::move(directory), std::nullopt) {}

mode_t OwnRecordFiles::modeOf(StoreFile) const
{
    return 0644;
}

void OwnRecordFiles::lockTaken()
{
    removeLeftovers(directory_);
}

// A new file renamed over the old one.
StoreProblem OwnRecordFiles::write(StoreFile file, const std::string& bytes)
{
    const std::string path = pathOf(file);
    // mkstemp creates the new file exclusively, never through a link.
    const std::size_t slash = path.rfind('/');
    std::string temporary = path.substr(0, slash + 1) + '.' + path.substr(slash + 1) + ".XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return problemAt(path, errno);
    const bool written = writeAll(fd.get(), bytes) && ::fchmod(fd.get(), modeOf(file)) == 0 && ::fsync(fd.get()) == 0
                         && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return problemAt(path, error);
    }
    syncDirectory(directory_);
    return {};
}

} // namespace orvetta
