kessok_bench(NAME MatSysBench SOURCES MatSysBench.cpp DEPS MatSys)
