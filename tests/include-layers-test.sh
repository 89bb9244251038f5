#!/usr/bin/env bash
# Includes point only down: each folder of src/ may include its own headers and those of the folders below it,
# never a folder above it or beside it, and no two files include each other. From the top: the program
# (src/main.cpp), then inside src/app the program's assembly, the features side by side (the loan page with its
# windows, the other pages, the extra payments planner, the loan offers comparison), widgets, printing beside field
# input, and the dialogs; corvanta-calc (src/cli) stands beside the app; both sit on the scenario files, which sit on
# the calculators (the offers on the planner, the planner on the loan's, those on the one-file calculators, all on the
# reading of fields), which sit on regional (number entry and formats), which sits on finance (the money maths).
# Argument: the src folder. Prints every include that points the wrong way, and fails if there is one.
set -euo pipefail
src=$(cd "$1" && pwd)

# folder rank stack: a folder may include a lower rank of its own stack or of the shared core.
layers=(
    "finance 0 core" "regional 1 core" "calculators/fields 2 core" "calculators 3 core" "calculators/loan 4 core"
    "calculators/extrapayments 5 core" "calculators/loanoffers 6 core" "scenario 7 core"
    "cli 8 cli"
    "app/dialogs 8 app" "app/fields 9 app" "app/printing 9 app" "app/widgets 10 app"
    "app/loan 11 app" "app/pages 11 app" "app/extrapayments 11 app" "app/loanoffers 11 app" "app/session 11 app"
    "app/program 12 app" "main 13 app"
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
    calculators/*/*) path=${path#calculators/}; echo "calculators/${path%%/*}" ;;
    */*) echo "${path%%/*}" ;;
    *) echo "?" ;;
    esac
}

# Where a quoted include is found: beside the file, or under one of the include folders.
resolve() {
    local from_dir=$1 name=$2 root
    for root in "$from_dir" "$src/app" "$src"; do
        if [ -f "$root/$name" ]; then
            realpath "$root/$name"
            return
        fi
    done
}

status=0
declare -A includes
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
        includes["$(realpath "$file") $header"]=1
        if [ -n "${includes["$header $(realpath "$file")"]:-}" ]; then
            echo "${file#"$src"/} and ${header#"$src"/} include each other"
            status=1
        fi
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
