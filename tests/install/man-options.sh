#!/bin/sh
# man-options.sh QUILO QUILO.1 QUILO_TOOL QUILO-TOOL.1 README: the options a manual page names
# must be the options --help names (each --name, compared as sets), and quilo-tool's page must
# have a section for every command. --help itself is left out: a page always documents it, a
# usage line need not. Per-command help (quilo-tool CMD --help) counts where a command has it.
# Both programs' --version print the version the pages are for, and every option the README
# shows is one of the programs' (or of cmake, the scripts and the benchmarks).
set -u
quilo=$1 quilo_page=$2 tool=$3 tool_page=$4 readme=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

options() { grep -o -e '--[a-z][a-z0-9-]*' | grep -v -x -e '--help' | sort -u; }
page_options() { sed 's/\\-/-/g' "$1" | options; }

# compare NAME HELP_FILE PAGE
compare() {
    options <"$2" >"$work/help"
    page_options "$3" >"$work/page"
    if [ ! -s "$work/help" ]; then
        echo "$1: --help names no option" >&2
        status=1
    fi
    for option in $(comm -23 "$work/help" "$work/page"); do
        echo "$1: $option is in --help but not in $3" >&2
        status=1
    done
    for option in $(comm -13 "$work/help" "$work/page"); do
        echo "$1: $option is in $3 but not in --help" >&2
        status=1
    done
}

"$quilo" --help >"$work/quilo.help" || { echo "quilo --help failed" >&2; exit 1; }
compare quilo "$work/quilo.help" "$quilo_page"

"$tool" --help >"$work/tool.help" || { echo "quilo-tool --help failed" >&2; exit 1; }
# The commands are the first word of each indented line.
commands=$(sed -n 's/^ \{1,\}\([a-z][a-z-]*\).*/\1/p' "$work/tool.help" | sort -u)
[ -n "$commands" ] || { echo "quilo-tool --help lists no command" >&2; exit 1; }
for command in $commands; do
    "$tool" "$command" --help >>"$work/tool.help" 2>/dev/null || true
    if ! grep -q -E "^\.B[IR]? $command( |\$)" "$tool_page"; then
        echo "quilo-tool: command $command has no entry in $tool_page" >&2
        status=1
    fi
done
compare quilo-tool "$work/tool.help" "$tool_page"

version=$(sed -n 's/^\.TH .* "quilo \([^"]*\)".*/\1/p' "$quilo_page")
for program in "$quilo" "$tool"; do
    printed=$("$program" --version)
    if [ "$printed" != "$(basename "$program") $version" ]; then
        echo "$(basename "$program") --version printed '$printed', not version $version" >&2
        status=1
    fi
done

cat "$work/quilo.help" "$work/tool.help" | options >"$work/known"
printf '%s\n' --arch --benchmark --build --frames --install --opt --prefix --target --window >>"$work/known"
options <"$readme" >"$work/readme"
for option in $(sort -u "$work/known" | comm -23 "$work/readme" -); do
    echo "README.md shows $option, which neither program takes" >&2
    status=1
done
exit $status
