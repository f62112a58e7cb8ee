#!/bin/sh
# What rivurido-page says and does when it cannot do what it is asked, and
# where it writes the page: exit status 2 and one line for a command line it
# cannot use, 1 and the windows' own message when the page cannot be
# written, and never a lost or half-replaced file.
# Usage: command-checks.sh PROGRAM VERSION
set -u
. "$(dirname "$0")/../support/checks.sh"
program=$(realpath "$1")
version=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
out="$scratch/.stdout"
err="$scratch/.stderr"
stdin=/dev/null

# Runs the program with the arguments and checks its exit status and the one
# line it writes to standard error, and that it wrote nothing else.
expect() {
  status=$1
  line=$2
  shift 2
  "$program" "$@" <"$stdin" >"$out" 2>"$err"
  got=$?
  if [ "$got" = "$status" ] && [ "$(cat "$err")" = "rivurido-page: $line" ] &&
    [ "$(wc -l <"$err")" = 1 ] && [ ! -s "$out" ] && [ ! -e never.html ]; then
    echo "ok: $line"
  else
    fail "expected status $status and: $line"
    echo "  got status $got and: $(cat "$err")"
    rm -f never.html
  fi
}

cr=$(printf '\r')
lf='
'
printf 'caf\351' >latin1.txt
printf 'caf\303' >cut-short.txt
printf 'valid' >valid.txt
mkdir folder

# A command line that cannot be used: status 2, nothing written.
expect 2 "unrecognised option '--colour'" --colour
expect 2 "unrecognised option '-x'" -x
expect 2 "option '--title' needs a value" --title
expect 2 "option '-o' needs a value" -o
expect 2 "option -o needs a file name" -o ''
expect 2 "option --title is given twice" --title a --title b -o never.html
expect 2 "unexpected argument 'page.html'" page.html
expect 2 "options --description and --description-file cannot be used together" \
  --description a --description-file valid.txt -o never.html
expect 2 "the value of --title holds a line break; only the description can" \
  --title "title$cr" -o never.html
expect 2 "the value of --url holds a line break; only the description can" --url "a${lf}b"
expect 2 "the value of --keywords is not valid UTF-8" --keywords "$(printf '\377')" -o never.html
expect 2 "the value of --title is not valid UTF-8" --title "$(printf '\355\240\200')"
expect 2 "the value of --description is not valid UTF-8" --description "$(printf '\300\200')"
expect 2 "the description in 'latin1.txt' is not valid UTF-8" --description-file latin1.txt \
  -o never.html
stdin=cut-short.txt
expect 2 "the description on standard input is not valid UTF-8" --description-file -
stdin=/dev/null
expect 2 "cannot read the description from 'missing.txt': No such file or directory" \
  --description-file missing.txt -o never.html
expect 2 "cannot read the description from 'folder': Is a directory" --description-file folder
expect 2 "the file name given to -o is not valid UTF-8" -o "$(printf 'page\377.html')"

# The page cannot be written: status 1 and the message the error box shows.
expect 1 "Cannot create file \"$scratch/missing/page.html\". No such file or directory." \
  -o missing/page.html
expect 1 "Cannot create file \"$scratch/folder\". Is a directory." -o folder
"$program" >/dev/full 2>"$err"
check '[ $? = 1 ] && [ "$(cat "$err")" = "rivurido-page: Stream write error." ]' \
  "a full standard output is a write error with status 1"

# Where the page goes: standard output, or a file replaced whole.
"$program" --title T >page.expected
check '[ "$(wc -c <page.expected)" = 727 ]' "the page goes to standard output"
head -c 100000 /dev/zero >page.html
"$program" --title T -o page.html
check 'cmp -s page.html page.expected' "-o replaces a longer file with exactly the page"
check '[ "$(ls -A | grep -c page)" = 2 ]' "and leaves no other file beside it"
"$program" --title T -o - >dash.html
check 'cmp -s dash.html page.expected' "-o - writes to standard output"
mkfifo pipe
cat pipe >piped.html &
reader=$!
# The reader ends when the page has gone through the pipe; if the page went
# anywhere else it would wait for ever.
if "$program" --title T -o pipe && [ -p pipe ]; then wait "$reader"; else kill "$reader"; fi
check 'cmp -s piped.html page.expected && [ -p pipe ]' \
  "-o into a named pipe writes through it and leaves the pipe in place"
if mknod full c 1 7 2>/dev/null; then
  expect 1 "Stream write error." -o full
  check '[ -c full ]' "a full device stays a device"
else
  echo "skip: creating a device node is not permitted here"
fi

"$program" --help >"$out"
check '[ $? = 0 ]' "--help succeeds"
for option in --title --url --keywords --description --description-file -o --output --help \
  --version; do
  check 'grep -q -- "$option[ ,]" "$out"' "--help explains $option"
done
check '[ "$("$program" --version)" = "rivurido-page $version" ]' "--version names $version"

finish
