kessok_fuzz(NAME LiquidFuzz SOURCES LiquidFuzz.cpp DEPS FluidMPM RNG)
