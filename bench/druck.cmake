if(TARGET lexovita_ui)
  lexovita_bench(bench_druck
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_druck.cpp
    LIBS lexovita_ui lexovita_app lexovita_store Qt6::Gui Qt6::PrintSupport)
  add_dependencies(bench_druck lexovita_data)
endif()
