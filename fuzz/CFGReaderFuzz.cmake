kessok_fuzz(NAME CFGReaderFuzz SOURCES CFGReaderFuzz.cpp DEPS CFG)
