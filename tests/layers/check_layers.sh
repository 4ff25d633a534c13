#!/usr/bin/env bash
# The folders are the layers; this checks what each may include.
#   check_layers.sh SRC_DIR QTCORE_HEADERS_DIR
set -u
src="$1"
qtcore="$2"
status=0

fail() {
    echo "$1"
    status=1
}

# includes FILES...: "file:header" for every #include in the files.
includes() {
    grep -H -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' "$@" 2>/dev/null \
        | sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]$/:\1/'
}

# The logic and the ports use QtCore only: every Qt header they include is one of QtCore's.
logic=$(find "$src/app" "$src/station" "$src/settings" "$src/alarm" -name '*.h' -o -name '*.cpp' | sort)
ports=$(find "$src/platform" -maxdepth 1 -name '*.h' | sort)
while IFS=: read -r file header; do
    case "$header" in
    Q*) [ -e "$qtcore/$header" ] || fail "$file: $header is not a QtCore header" ;;
    Qt*/*) [ "${header%%/*}" = QtCore ] || fail "$file: $header is not a QtCore header" ;;
    esac
done < <(includes $logic $ports)

# forbid FOLDER PATTERN WHY: no file in FOLDER includes a header matching PATTERN.
forbid() {
    local folder="$1" pattern="$2" why="$3"
    local hit
    while IFS= read -r hit; do
        [ -n "$hit" ] && fail "$hit: $why"
    done < <(includes $(find "$src/$folder" -name '*.h' -o -name '*.cpp') | grep -E ":($pattern)" || true)
}

forbid platform '(app|station|settings|alarm|shell|desktop|main)/' "the platform knows nothing of the logic or the windows"
forbid alarm 'station/' "the alarm player knows nothing of the stations"
forbid app '(shell|desktop|main)/' "the controller knows nothing of the windows"
for folder in station settings alarm; do
    forbid "$folder" '(app|shell|desktop|main|platform/qt)/' \
        "the logic knows nothing of the controller, the windows or the Qt adapters"
done
# The windows know the controller's interfaces, the station table and phases
# they show, and the settings rules of the options dialog; the program is
# put together in main/ alone.
forbid shell '(alarm|desktop|main)/' "the windows are wired to the rest in main/"
forbid desktop '(app|station|alarm|shell|main)/' "the desktop integration knows the settings file's place only"

[ $status -eq 0 ] && echo "layers: every include is allowed"
exit $status
