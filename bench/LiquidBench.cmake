kessok_bench(NAME LiquidBench SOURCES LiquidBench.cpp DEPS FluidMPM RNG)
