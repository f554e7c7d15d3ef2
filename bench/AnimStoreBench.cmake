kessok_bench(NAME AnimStoreBench SOURCES AnimStoreBench.cpp DEPS GameHelper SprSys CFG)
