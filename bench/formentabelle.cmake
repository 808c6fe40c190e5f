lexovita_bench(bench_formentabelle
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_formentabelle.cpp
  LIBS lexovita_app lexovita_store)
target_compile_definitions(bench_formentabelle PRIVATE
  LEXOVITA_VORLAGEN_QUELLE="${CMAKE_SOURCE_DIR}/data/vorlagen")
