#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test: a release tree built with g++,
# a tree for processors with fused multiply-add and one built with clang at -O2, both for the
# libraries whose float results the tests pin, clang-tidy over lib/ and game/, a tree under
# AddressSanitizer and UndefinedBehaviorSanitizer built with clang, so that the suite passes
# under both compilers, the builds without the tests and the README's project outside this
# tree, and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"

source tools/packages.sh
# Beyond the game's: compilers, formatting and static analysis, test and benchmark libraries,
# input and screenshots for the end-to-end tests, the benchmarks' peers, and Ninja for the
# x86-64-v3 tree.
ensure_packages "${game_packages[@]}" \
    clang libclang-rt-14-dev clang-format clang-tidy libgtest-dev libbenchmark-dev \
    xdotool x11-apps python3 libinih-dev libstb-dev ninja-build

# As many jobs as CMAKE_BUILD_PARALLEL_LEVEL (builds and clang-tidy) and CTEST_PARALLEL_LEVEL
# (tests) say, and one a core where they are not set, where cmake --build and ctest would run
# one at a time.
jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
test_jobs=${CTEST_PARALLEL_LEVEL:-$(nproc)}

step() { printf '\n== %s\n' "$*"; }

step "Format check"
# GAME_MAIN is C++ without an extension: the body of a game's main, included by its source.
sources() { git ls-files -z -- '*.h' '*.cpp' lib/Game/GLFW/GAME_MAIN; }
sources | xargs -0 -r clang-format --dry-run --Werror
# clang-format 14 puts `const` first except after a qualified name (`std::string const s`),
# which is refused here.
const_after='^(?!\s*//)(?:.*[^\w:])?(?!(?:static|constexpr|inline|extern|mutable|return|friend|typedef|virtual)\b)[A-Za-z_]\w*(?:::\w+)*(?:<[^;()]*>)?\s+const\b'
misplaced=$(sources | xargs -0 -r grep -nP "$const_after" || true)
if [ -n "$misplaced" ]; then
    printf '%s\n' "$misplaced" "const goes before the type it qualifies"
    exit 1
fi

# Configures a build tree with the C++ compiler given. CMake reads CXX only when it makes a tree,
# and told another compiler for a tree that exists, it starts the tree afresh without the other
# options; so a tree made with another compiler is removed first and made anew.
configure() {
    local tree=$1 compiler
    compiler=$(command -v "$2")
    shift 2
    if [ -f "$tree/CMakeCache.txt" ] &&
        ! grep -qxF "CMAKE_CXX_COMPILER:FILEPATH=$compiler" "$tree/CMakeCache.txt"; then
        rm -rf "$tree"
    fi
    CXX=$compiler cmake -S . -B "$tree" "$@" >/dev/null
}

step "Release build and tests"
configure build/release g++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESSOK_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure --no-tests=error -j "$test_jobs"

# The libraries whose float results the tests pin to the bit, as test programs (and the font
# generator for the font data test) and as the folders of their tests, for the trees below that
# build only these.
pinned_targets=(FluidMPMTests PennerTests SprSysTests SprFontTests SprFontGLTests RenderOGLTests
    RenderOGLClientArrayTests PlayTests GameViewTests kessok_fontgen)
pinned_folders=(Fluid/MPM Penner SprSys SprFont Render/OGL game)
# Builds the pinned targets in the tree and runs their tests. Ninja compiles a target's sources
# while the libraries it links are still being built, where make waits for them, and so builds
# these targets in half make's time.
pinned_tests() {
    local tree=$1 folder
    cmake --build "$tree" -j "$jobs" --target "${pinned_targets[@]}"
    for folder in "${pinned_folders[@]}"; do
        ctest --test-dir "$tree/tests/$folder" -L 'unit|gl' --output-on-failure --no-tests=error \
            -j "$test_jobs"
    done
}

step "Fused multiply-add build and tests (g++, -march=x86-64-v3)"
# The libraries that compile with -ffp-contract=off, and the tests' own arithmetic, must give the
# float bits the tests pin also on processors with fused multiply-add. Their tests run again in a
# tree built for x86-64-v3 when this processor runs such code: it shows these flags in
# /proc/cpuinfo, where abm stands for LZCNT.
cpu_flags=$(grep -m1 '^flags' /proc/cpuinfo || true)
missing=$(for flag in avx avx2 bmi1 bmi2 f16c fma abm movbe xsave; do
    [[ " $cpu_flags " == *" $flag "* ]] || printf ' %s' "$flag"
done)
if [ -n "$missing" ]; then
    echo "skipped: this processor does not run x86-64-v3 code (it lacks$missing)"
else
    configure build/x86-64-v3 g++ -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESSOK_WERROR=ON \
        -DKESSOK_BENCH=OFF -DCMAKE_CXX_FLAGS=-march=x86-64-v3
    pinned_tests build/x86-64-v3
fi

step "Optimised clang build and tests of the pinned float results"
# The same tests with clang at -O2, which rewrites some calls of the C library's mathematics (pow
# among them) where g++ 12 does not, and which the sanitizer tree below, at -O0, does not show.
configure build/clang-release clang++ -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESSOK_WERROR=ON -DKESSOK_BENCH=OFF
pinned_tests build/clang-release

step "Static analysis (clang-tidy, lib/ and game/)"
# The checks are in .clang-tidy; the compile commands come from the release tree. Only the
# findings are shown: not the command for each file, nor its count of warnings left out.
run-clang-tidy -p build/release -j "$jobs" -quiet "^$PWD/(lib|game)/" 2>&1 |
    sed -E '/^(\x1b\[[0-9;]*m)*(clang-tidy-14 |[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$)/d'

step "Sanitizer build and tests (clang, address, undefined)"
configure build/asan clang++ -DCMAKE_BUILD_TYPE=Debug -DKESSOK_WERROR=ON -DKESSOK_BENCH=OFF \
    -DKESSOK_SANITIZE=address,undefined
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure --no-tests=error -j "$test_jobs"

step "Builds without the tests, and a project outside this tree (g++ and clang)"
# The release tree has the tests and the benchmarks, the sanitizer tree the tests alone. This
# tree builds the other two combinations in turn, so that the second builds only what the
# benchmarks add.
for bench in OFF ON; do
    configure build/options g++ -DCMAKE_BUILD_TYPE=Debug -DKESSOK_WERROR=ON -DKESSOK_TESTS=OFF \
        -DKESSOK_BENCH="$bench"
    cmake --build build/options -j "$jobs"
done
CMAKE_BUILD_PARALLEL_LEVEL=$jobs tests/examples/readme-example.sh "$PWD" build/outside g++ clang++

step "Fuzzers"
configure build/fuzz clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESSOK_TESTS=OFF \
    -DKESSOK_BENCH=OFF -DKESSOK_FUZZ=ON
cmake --build build/fuzz -j "$jobs" --target kessok_fuzzers
fuzz_seconds=${FUZZ_SECONDS:-20}
# All at once, whatever CTEST_PARALLEL_LEVEL says: each runs for a fixed time, however many
# cores it is given.
pids=()
while read -r name binary corpus; do
    [ -n "$name" ] || continue
    work=build/fuzz/corpus-run/$name
    rm -rf "$work" && mkdir -p "$work"
    echo "fuzzing $name for ${fuzz_seconds}s"
    "$binary" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build/fuzz/$name-" "$work" "$corpus" >"build/fuzz/$name.log" 2>&1 &
    pids+=("$!:$name")
done <build/fuzz/fuzzers.txt
status=0
for entry in "${pids[@]+"${pids[@]}"}"; do
    if ! wait "${entry%%:*}"; then
        echo "fuzzer ${entry#*:} failed:"
        tail -n 40 "build/fuzz/${entry#*:}.log"
        status=1
    fi
done
[ "$status" -eq 0 ] || exit 1

step "All tests passed"
