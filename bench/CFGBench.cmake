find_package(PkgConfig REQUIRED)
pkg_check_modules(INIH REQUIRED IMPORTED_TARGET inih)
kessok_bench(NAME CFGBench SOURCES CFGBench.cpp CFGBenchCorpus.cpp DEPS CFG PkgConfig::INIH)
