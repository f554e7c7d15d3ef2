kessok_fuzz(NAME CalculatorFuzz SOURCES CalculatorFuzz.cpp DEPS CFG)
