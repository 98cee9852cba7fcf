#!/usr/bin/env bash
# layers.sh -- the one direction of dependency between the source folders:
#
#     core < platform < render < world < script < game
#
# Each folder builds on the ones before it. script/ stands beside game/ on top of world/:
# game/ calls the script host and the store, and the bindings reach game/ only through
# the function the start-up hands them (script/lua_bind.h), so script/ links below game/.
#
#   scripts/layers.sh [source dir]
#       Counts the includes between the folders (a table from \ to) and fails on an
#       include that points up the order, or on a module's private X_local.h included
#       by another module. core/main.cpp, the program's entry, is left out: it is linked
#       into the executable on top of every library, not into core's.
#   scripts/layers.sh --symbols lib...
#       The folders' static libraries from the bottom of the order up: fails when one of
#       them leaves a symbol undefined that only a library after it defines, which is
#       what a link in that order would miss.
set -euo pipefail

FOLDERS=(core platform render world script game)

# Includes that may point up, as "file header", each with its reason in a comment on
# its include line. None today.
EXCEPTIONS=()

check_symbols() {
    local status=0 i j
    local -a libs=("$@")
    local tmp
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' RETURN
    for i in "${!libs[@]}"; do
        # Strong definitions only: inline functions and templates are defined weakly in
        # every library that uses them.
        nm -g --defined-only "${libs[$i]}" | awk 'NF == 3 && $2 ~ /^[TDBRC]$/ {print $3}' | sort -u >"$tmp/def$i"
        nm -u "${libs[$i]}" | awk 'NF == 2 {print $2}' | sort -u >"$tmp/und$i"
    done
    for i in "${!libs[@]}"; do
        for ((j = i + 1; j < ${#libs[@]}; j++)); do
            comm -12 "$tmp/und$i" "$tmp/def$j" >"$tmp/up"
            if [ -s "$tmp/up" ]; then
                echo "layers: $(basename "${libs[$i]}") uses what $(basename "${libs[$j]}") defines:"
                c++filt <"$tmp/up" | sed 's/^/    /'
                status=1
            fi
        done
    done
    [ $status -eq 0 ] && echo "layers: ${#libs[@]} libraries, no symbol points up the order"
    return $status
}

if [ "${1:-}" = "--symbols" ]; then
    shift
    check_symbols "$@"
    exit
fi

cd "${1:-$(dirname "$0")/..}"

# "file:line:text" of every include line of the source folders.
grep -rn --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${FOLDERS[@]}" |
    sort -t: -k1,1 -k2,2n |
    awk -v folders="${FOLDERS[*]}" -v exceptions="$(printf '%s\n' ${EXCEPTIONS[@]+"${EXCEPTIONS[@]}"})" '
BEGIN {
    n = split(folders, order, " ")
    for (i = 1; i <= n; i++) rank[order[i]] = i
    split(exceptions, listed, "\n")
    for (i in listed) if (listed[i] != "") exception[listed[i]] = 1
    status = 0
}
{
    file = $0; sub(/:.*/, "", file)
    number = $0; sub(/^[^:]*:/, "", number); text = number; sub(/:.*/, "", number); sub(/^[^:]*:/, "", text)
    header = text; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
    from = file; sub(/\/.*/, "", from)
    to = header; sub(/\/.*/, "", to)
    if (file == "core/main.cpp" || !(to in rank)) next
    count[from, to]++
    if (rank[to] > rank[from]) {
        if ((file " " header) in exception && text ~ /\/\//) {
            printf "layers: %s:%s: %s (a listed exception)\n", file, number, header
        } else {
            printf "layers: %s:%s: %s/ includes %s, which is above it\n", file, number, from, header
            status = 1
        }
    }
    # X_local.h belongs to the files of module X: X.cpp, X_*.cpp and X'"'"'s own headers.
    name = header; sub(/^[^\/]*\//, "", name)
    if (name ~ /_local\.h$/) {
        module = name; sub(/_local\.h$/, "", module)
        base = file; sub(/.*\//, "", base)
        if (from != to || (index(base, module ".") != 1 && index(base, module "_") != 1)) {
            printf "layers: %s:%s: includes %s, the private header of another module\n", file, number, header
            status = 1
        }
    }
}
END {
    printf "| from \\ to |"
    for (j = 1; j <= n; j++) printf " %s |", order[j]
    printf "\n|---|"
    for (j = 1; j <= n; j++) printf "---|"
    printf "\n"
    up = 0
    for (i = 1; i <= n; i++) {
        printf "| %s |", order[i]
        for (j = 1; j <= n; j++) {
            if (i == j) { printf " - |"; continue }
            c = count[order[i], order[j]] + 0
            printf " %d |", c
            if (j > i) up += c
        }
        printf "\n"
    }
    printf "layers: %d includes point up the order", up
    for (j = 1; j <= n; j++) printf "%s%s", (j == 1 ? " " : " < "), order[j]
    printf "\n"
    exit status
}'
