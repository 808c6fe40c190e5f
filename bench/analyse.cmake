lexovita_bench(bench_analyse
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_analyse.cpp
  LIBS lexovita_store lexovita_morph)
