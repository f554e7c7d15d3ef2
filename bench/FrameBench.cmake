kessok_bench(NAME FrameBench SOURCES FrameBench.cpp DEPS Game EVT)
