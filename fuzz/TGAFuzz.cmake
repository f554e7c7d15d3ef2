kessok_fuzz(NAME TGAFuzz SOURCES TGAFuzz.cpp DEPS Media)
