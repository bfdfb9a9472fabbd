# SPDX-License-Identifier: GPL-3.0-or-later
# One verdict line a step, for the package checks (sourced, not run).
# `begin NAME [LOG]` starts a step; `verdict NAME SECONDS STATUS LINE` says
# how it went; a command that fails outside any test stops the script with
# that step's FAIL line, naming the command, and the end of the step's log.
# `results` names the directory of the logs, and its status is the whole
# check's.
failures=0
since() { echo $(($(date +%s) - $1)); }
verdict() { # step seconds status line
  printf '%-12s %-4s %5ss  %s\n' "$1" "$([ "$3" = 0 ] && echo pass || echo FAIL)" "$2" "$4"
  [ "$3" = 0 ] || failures=$((failures + 1))
}
step=setup
step_start=$(date +%s)
step_log=
begin() { step=$1; step_start=$(date +%s); step_log=${2:-}; }
results_directory=
results() { # directory
  echo "results in $1"
  [ "$failures" = 0 ]
}
stopped() {
  local status=$?
  # Between set +e and set -e a step judges its commands itself.
  [[ $- == *e* ]] || return 0
  verdict "$step" "$(since "$step_start")" "$status" "stopped: '$BASH_COMMAND' exited with status $status"
  [ -z "$step_log" ] || tail -n 20 "$step_log" | sed 's/^/  /'
  [ -z "$results_directory" ] || echo "results in $results_directory"
}
trap stopped ERR
# A check that is one command, so that a failing one stops the step and names itself.
need() { "$@" || { echo "not so: $*" >&2; return 1; }; }
