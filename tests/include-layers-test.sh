#!/usr/bin/env bash
# Includes point only down: each folder of src/ may include its own headers and those of the folders below it,
# never a folder above it or beside it. From the top: the program (src/main.cpp), then inside src/app the
# program's assembly, the loan page with its windows beside the other pages, widgets, printing and the shell;
# corvanta-calc (src/cli) stands beside the app; both sit on calculators, which sits on finance.
# Argument: the src folder. Prints every include that points the wrong way, and fails if there is one.
set -euo pipefail
src=$(cd "$1" && pwd)

# folder rank stack: a folder may include a lower rank of its own stack or of the shared core.
layers=(
    "finance 0 core" "calculators 1 core"
    "cli 2 cli"
    "app/shell 2 app" "app/printing 3 app" "app/widgets 4 app" "app/pages 5 app" "app/loan 5 app"
    "app/program 6 app" "main 7 app"
)
declare -A rank stack
for layer in "${layers[@]}"; do
    read -r name r s <<<"$layer"
    rank[$name]=$r
    stack[$name]=$s
done

# The folder a file under src/ belongs to: app/<folder> inside the app, else its top folder.
layer_of() {
    local path=${1#"$src"/}
    case $path in
    main.cpp) echo main ;;
    app/*/*) path=${path#app/}; echo "app/${path%%/*}" ;;
    */*) echo "${path%%/*}" ;;
    *) echo "?" ;;
    esac
}

# Where a quoted include is found: beside the file, or under one of the include folders.
resolve() {
    local from_dir=$1 name=$2 root
    for root in "$from_dir" "$src/app" "$src" "$src/finance" "$src/calculators" "$src/cli"; do
        if [ -f "$root/$name" ]; then
            realpath "$root/$name"
            return
        fi
    done
}

status=0
while IFS= read -r -d '' file; do
    from=$(layer_of "$file")
    if [ -z "${rank[$from]:-}" ]; then
        echo "${file#"$src"/}: the folder $from is not in the order of layers"
        status=1
        continue
    fi
    while IFS= read -r name; do
        header=$(resolve "$(dirname "$file")" "$name")
        [ -n "$header" ] || continue # generated (ui_*.h) or not the project's
        to=$(layer_of "$header")
        [ "$to" = "$from" ] && continue
        if [ -n "${rank[$to]:-}" ] && [ "${rank[$to]}" -lt "${rank[$from]}" ] \
            && { [ "${stack[$to]}" = core ] || [ "${stack[$to]}" = "${stack[$from]}" ]; }; then
            continue
        fi
        echo "${file#"$src"/} ($from) includes ${header#"$src"/} ($to)"
        status=1
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -print0 -o -name '*.h' -print0 | sort -z)
exit "$status"
