if(TARGET lexovita_ui)
  lexovita_bench(bench_textanalyse
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_textanalyse.cpp
    LIBS lexovita_ui lexovita_app lexovita_store Qt6::Widgets)
  add_dependencies(bench_textanalyse lexovita_data)
  target_compile_definitions(bench_textanalyse PRIVATE LEXOVITA_QUELLE="${CMAKE_SOURCE_DIR}")
endif()
