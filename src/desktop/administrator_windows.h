// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The record in the Windows directory can be changed by every player; only an
// administrator may reset it, through the Start-menu entry for teachers.
namespace orvetta {

// An administrator's full rights, not the filtered ones of a standard start.
bool isAdministrator();

// Runs this program again with `argument` and an administrator's rights,
// which Windows asks for, and waits for it: its exit status, or nothing when
// nobody gave the rights.
std::optional<int> runAsAdministrator(const QString& argument);

} // namespace orvetta
