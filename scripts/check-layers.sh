#!/usr/bin/env bash
# Checks the layering of src/ against the list TESSARY_LAYERS at the top of src/CMakeLists.txt
# (bottom layer first):
#  - every folder that holds sources is a layer of the list;
#  - every #include "folder/File.h" names a folder of the same or a lower layer;
#  - every source file of a folder is listed in that folder's CMakeLists.txt;
#  - no file of a folder built into tessary_base includes a Qt Widgets header.
# Prints one line per fault and exits with 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/../src"

# The list: the lines between "set(TESSARY_LAYERS" and ")", comments dropped.
layers=$(awk '
    /^set\(TESSARY_LAYERS/ { inside = 1; next }
    inside && /^\)/ { exit }
    inside { sub(/#.*/, ""); if (NF) printf "%s ", $1 }' CMakeLists.txt)
if [ -z "$layers" ]; then
    echo "check-layers: no TESSARY_LAYERS list in src/CMakeLists.txt" >&2
    exit 1
fi

mapfile -t sources < <(find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.ui' -o -name '*.qrc' \) \
    | sed 's|^\./||' | LC_ALL=C sort)
mapfile -t lists < <(find . -mindepth 2 -name CMakeLists.txt | sed 's|^\./||')

# The class headers of Qt Widgets ("QWidget", "QPushButton", ...), from the installed module; where it
# is not found, only includes that name the module itself ("QtWidgets/...") are caught.
widgets_dir=${TESSARY_QT_WIDGETS_DIR:-$(find /usr/include -maxdepth 3 -type d -name QtWidgets -print -quit 2>/dev/null)}
widget_headers=""
if [ -n "$widgets_dir" ] && [ -d "$widgets_dir" ]; then
    widget_headers=$(find "$widgets_dir" -maxdepth 1 -type f -name 'Q*' ! -name '*.h' -printf '%f ')
fi

# The folders' CMakeLists come first: they give the names each folder lists. Then the includes of every
# source file, line by line; last the folder and the listing of every source file.
awk -v layers="$layers" -v sources="${sources[*]}" -v widgets="$widget_headers QtWidgets" '
    BEGIN {
        count = split(layers, names, " ")
        for (i = 1; i <= count; i++)
            rank[names[i]] = i
        split(widgets, headers, " ")
        for (i in headers)
            widget[headers[i]] = 1
    }
    function fault(text) {
        print text
        faults++
    }
    function folderOf(path) {
        if (!sub(/\/[^\/]*$/, "", path))
            return "."
        return path
    }
    FILENAME ~ /CMakeLists\.txt$/ {
        if (/tessary_base/)
            base[folderOf(FILENAME)] = 1
        gsub(/[()]/, " ")
        for (i = 1; i <= NF; i++)
            listed[folderOf(FILENAME) "/" $i] = 1
        next
    }
    FILENAME ~ /\.(h|cpp)$/ && /^[ \t]*#[ \t]*include[ \t]*"[^"]*\// {
        folder = folderOf(FILENAME)
        included = $0
        sub(/^[^"]*"/, "", included)
        sub(/".*/, "", included)
        target = folderOf(included)
        if (!(folder in rank))
            next
        if (!(target in rank))
            fault("src/" FILENAME ":" FNR ": includes " included " from " target ", which is not a layer")
        else if (rank[target] > rank[folder])
            fault("src/" FILENAME ":" FNR ": includes " included " from layer " target ", above its own layer " folder)
    }
    FILENAME ~ /\.(h|cpp)$/ && /^[ \t]*#[ \t]*include[ \t]*</ {
        folder = folderOf(FILENAME)
        header = $0
        sub(/^[^<]*</, "", header)
        sub(/>.*/, "", header)
        included = header
        module = header
        if (sub(/^QtWidgets\//, "", header))
            module = "QtWidgets"
        if (folder in base && (header in widget || module == "QtWidgets"))
            fault("src/" FILENAME ":" FNR ": includes the widget header <" included "> in " folder ", which is built without widgets")
    }
    END {
        files = split(sources, file, " ")
        for (i = 1; i <= files; i++) {
            folder = folderOf(file[i])
            if (!(folder in rank))
                fault("src/" file[i] ": folder " folder " is not in TESSARY_LAYERS (src/CMakeLists.txt)")
            else if (!(file[i] in listed))
                fault("src/" file[i] ": not listed in src/" folder "/CMakeLists.txt")
        }
        if (faults) {
            print "check-layers: " faults " fault(s); the layers, bottom first: " layers > "/dev/stderr"
            exit 1
        }
        print "check-layers: " count " layers, " files " files, no include points upward"
    }' "${lists[@]}" "${sources[@]}"
