kessok_bench(NAME MatSysOGLBench SOURCES MatSysOGLBench.cpp
    DEPS MatSysFacade MatSysOGL Media TestSupportWindow)
# It needs a display: CTest runs it under a private Xvfb like the GL tests.
set_target_properties(MatSysOGLBench PROPERTIES
    CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/with-xvfb.sh)
