#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds Orvetta if needed, then runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup --tests
cd build
# One test more than there are cores: the privileges check spends 5 s waiting
# on a lock it holds on purpose.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(($(nproc) + 1))"
