#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one start, add, delete, sort, save and quit cycle under valgrind memcheck; fails on any
# memory error and on any leak that is definitely lost.
#   tests/memcheck.sh path/to/ledra_cycle
set -euo pipefail
QT_QPA_PLATFORM=offscreen exec valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite --track-origins=no \
    --num-callers=30 "$1"
