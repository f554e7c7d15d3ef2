find_package(PkgConfig REQUIRED)
pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
kessok_bench(NAME CFGBench SOURCES CFGBench.cpp CFGBenchCorpus.cpp DEPS CFG PkgConfig::INIH)
# The configurations it loads stay in the build tree from run to run, out of the temporary folder.
target_compile_definitions(CFGBench PRIVATE
                           KESSOK_CFGBENCH_FILES="${CMAKE_CURRENT_BINARY_DIR}/CFGBench-files")
