#!/usr/bin/env bash
# Prints, after a failed test run, each failed test's name with its first
# assertion failures, a few short lines each, so that the end of a long CI
# log still says what went wrong (the full output stays in CTest's
# Testing/Temporary/LastTest.log), and where a failed run of the program
# kept its last frames. Usage: tools/failed-tests.sh <build dir>
set -euo pipefail
log="${1:-build}/Testing/Temporary/LastTest.log"
[ -f "$log" ] || exit 0
awk '
  function flush() {
    if (failed) {
      print "FAILED " name
      for (i = 1; i <= kept; ++i) print "  " lines[i]
    }
    kept = 0; failed = 0; after = 0
  }
  / Testing: / { flush(); name = substr($0, index($0, "Testing: ") + 9); next }
  /^Test Failed\.$/ || /\*\*\*Timeout/ || /\*\*\*Exception/ { failed = 1 }
  /: Failure$/ && kept < 12 { lines[++kept] = substr($0, 1, 160); after = 3; next }
  /^kept frame: / { lines[++kept] = $0; next }
  after > 0 && kept < 12 { lines[++kept] = substr($0, 1, 160); --after }
  END { flush() }
' "$log"
