kessok_bench(NAME TGABench SOURCES TGABench.cpp DEPS Media)
