kessok_bench(NAME StringConvBench SOURCES StringConvBench.cpp DEPS Util)
