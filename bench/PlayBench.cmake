kessok_bench(NAME PlayBench SOURCES PlayBench.cpp DEPS Play CFG Devices Game)
