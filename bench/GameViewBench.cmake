kessok_bench(NAME GameViewBench GL SOURCES GameViewBench.cpp DEPS GameView Play CFG Devices Game MatSys RenderOGL SprFont TestSupportWindow)
