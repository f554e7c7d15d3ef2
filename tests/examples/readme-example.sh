#!/usr/bin/env bash
# The README shows the example program and the CMake lines of a project outside this tree that
# builds it. The program must be examples/ClearScreen.cpp, the lines from add_executable on must
# be those that build it here, and the lines must configure against this tree.
#     readme-example.sh <source tree> <scratch folder>
set -euo pipefail
src=$1 work=$2

# The README's fenced block in the language given.
block() {
    awk -v fence='```'"$1" '$0 == fence { on = 1; next } /^```$/ { on = 0 } on' "$src/README.md"
}

diff -u --label README.md --label examples/ClearScreen.cpp \
    <(block cpp) "$src/examples/ClearScreen.cpp"
diff -u --label README.md --label examples/CMakeLists.txt \
    <(block cmake | sed -n '/^add_executable/,$p') \
    <(sed -n '/^add_executable/,/^$/{/^$/!p}' "$src/examples/CMakeLists.txt")

rm -rf "$work" && mkdir -p "$work"
block cmake | sed "s|path/to/kessok|$src|" >"$work/CMakeLists.txt"
cp "$src/examples/ClearScreen.cpp" "$work"
cmake -S "$work" -B "$work/build" >/dev/null
