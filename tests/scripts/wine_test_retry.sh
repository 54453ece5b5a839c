#!/bin/bash
# scripts/wine-test starts a program once more only when it ended at once without a byte of
# output (Wine did not start it), and says so naming the suite; every other failure counts.
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected [$2], got [$3]"
    fails=$((fails + 1))
  fi
}
# A stand-in for Wine: runs the "program" (a shell snippet in the file, which sees its own
# path as $1) and counts its starts.
cat > "$work/runner" <<'RUNNER'
#!/bin/bash
echo x >> "$1.starts"
source "$1"
RUNNER
chmod +x "$work/runner"
run() {  # program snippet -> sets rc, starts, retry lines, output
  printf '%s\n' "$1" > "$work/win_demo.exe"
  rm -f "$work/win_demo.exe.starts" "$work/retries.log"
  output=$(KQ_WINE_RUNNER="$work/runner" KQ_WINE_RETRY_LOG="$work/retries.log" \
           "$here/scripts/wine-test" "$work/win_demo.exe" --gtest_brief=1 2>"$work/stderr")
  rc=$?
  starts=$(wc -l < "$work/win_demo.exe.starts")
  retries=$(cat "$work/retries.log" 2>/dev/null | wc -l)
}

# Passes: started once.
run 'echo "[  PASSED  ] 3 tests."; exit 0'
check "pass rc" 0 "$rc"; check "pass starts" 1 "$starts"; check "pass retries" 0 "$retries"
check "pass output" "[  PASSED  ] 3 tests." "$output"
# A test that fails (it wrote its report) fails at once, without a second start.
run 'echo "[  FAILED  ] 1 test"; exit 1'
check "failure rc" 1 "$rc"; check "failure starts" 1 "$starts"; check "failure retries" 0 "$retries"
# A crash without output after a while is the program's, not Wine's.
KQ_WINE_START_MS=200 run 'sleep 0.5; exit 3'
check "slow crash rc" 3 "$rc"; check "slow crash starts" 1 "$starts"
# Not started at all the first time: once more, and a line names the suite.
run '[ "$(wc -l < "$1.starts")" -eq 1 ] && exit 53; echo ok'
check "not started rc" 0 "$rc"; check "not started starts" 2 "$starts"; check "not started retries" 1 "$retries"
grep -q 'win_demo' "$work/retries.log" || { echo "FAIL the retry line does not name the suite"; fails=$((fails + 1)); }
grep -q 'win_demo' "$work/stderr" || { echo "FAIL no retry line on stderr"; fails=$((fails + 1)); }
# Not started twice: the run fails.
run 'exit 53'
check "never started rc" 53 "$rc"; check "never started starts" 2 "$starts"
[ "$fails" -eq 0 ] && echo "wine-test: all cases pass"
exit "$fails"
