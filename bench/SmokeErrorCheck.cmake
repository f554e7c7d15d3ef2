# Not a benchmark, hence no "Bench" in its name. Its one benchmark always reports an error, so its
# smoke test fails as every smoke test with an error must; WILL_FAIL counts that as a pass, and
# the test fails instead where kessok_bench lets the error go unnoticed.
kessok_bench(NAME SmokeErrorCheck SOURCES SmokeErrorCheck.cpp)
set_tests_properties(SmokeErrorCheck PROPERTIES WILL_FAIL TRUE)
