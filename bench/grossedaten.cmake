lexovita_bench(bench_grossedaten
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_grossedaten.cpp
  LIBS lexovita_app lexovita_store)
