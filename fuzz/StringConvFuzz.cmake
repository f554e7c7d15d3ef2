kessok_fuzz(NAME StringConvFuzz SOURCES StringConvFuzz.cpp DEPS Util)
