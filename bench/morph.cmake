lexovita_bench(bench_formen
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_formen.cpp
  LIBS lexovita_morph)
