kessok_bench(NAME UtilBench SOURCES UtilBench.cpp DEPS Util)
