#!/usr/bin/env bash
# The README shows the example program and the CMake lines of a project outside this tree that
# builds it. The program must be examples/ClearScreen.cpp, the lines from add_executable on must
# be those that build it here, and the lines must configure against this tree. Given compilers,
# the project is built with each as well, with no standard of its own, and beside the program a
# target for each library of lib/ compiles every header of the library, linking that library
# alone: a library that does not pass on the standard its headers need fails there.
#     readme-example.sh <source tree> <scratch folder> [<C++ compiler>...]
set -euo pipefail
src=$1 work=$2
shift 2

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
if [ "$#" -eq 0 ]; then
    cmake -S "$work" -B "$work/build" >/dev/null
    exit 0
fi

# A library without headers of its own (GameHelperLiquid) gives nothing to compile.
find "$src/lib" -name CMakeLists.txt | sort | while read -r list; do
    folder=$(dirname "${list#"$src/lib/"}")
    name=$(sed -n 's/^kessok_library(NAME \([[:alnum:]]*\).*/\1/p' "$list")
    mapfile -t headers < <(cd "$src/lib" && find "$folder" -maxdepth 1 -name '*.h' | sort)
    [ "${#headers[@]}" -gt 0 ] || continue
    printf '#include "%s"\n' "${headers[@]}" >"$work/$name.cpp"
    printf 'add_library(%sHeaders OBJECT %s.cpp)\ntarget_link_libraries(%sHeaders PRIVATE %s)\n' \
        "$name" "$name" "$name" "$name" >>"$work/CMakeLists.txt"
done
for compiler in "$@"; do
    tree=$work/build-${compiler##*/}
    CXX=$(command -v "$compiler") cmake -S "$work" -B "$tree" >/dev/null
    cmake --build "$tree" >/dev/null
done
