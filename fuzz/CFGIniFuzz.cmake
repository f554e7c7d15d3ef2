kessok_fuzz(NAME CFGIniFuzz SOURCES CFGIniFuzz.cpp DEPS CFG)
