kessok_bench(NAME SprFontBench SOURCES SprFontBench.cpp DEPS SprFont MatSys)
