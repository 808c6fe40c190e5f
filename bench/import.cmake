lexovita_bench(bench_import
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp
  LIBS lexovita_store)
