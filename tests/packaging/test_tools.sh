# Shell helpers for the packaging tests; sourced, not run.

# require TOOL PACKAGE: stops the test with a clear message when TOOL is missing.
require() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "FAIL: $1 not found; install the Debian package $2 (make deps installs it)" >&2
        exit 1
    fi
}

# png_size FILE: prints WIDTHxHEIGHT of a PNG file, or nothing for another file.
# Width and height are the big-endian words at bytes 16 and 20, in the IHDR
# chunk that follows the 8-byte signature.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }'
}

failures=0

# fail MESSAGE: records a failed check and goes on with the next one.
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# finish: ends the test, failed when any check failed.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
