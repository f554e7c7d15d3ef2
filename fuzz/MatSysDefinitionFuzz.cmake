kessok_fuzz(NAME MatSysDefinitionFuzz SOURCES MatSysDefinitionFuzz.cpp DEPS MatSys MatSysOGL)
