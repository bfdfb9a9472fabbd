#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds Orvetta if needed, then starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup
exec build/src/orvetta
