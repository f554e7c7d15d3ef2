kessok_bench(NAME EasingBench SOURCES EasingBench.cpp DEPS Penner Tween)
