if(TARGET lexovita_ui)
  lexovita_bench(bench_fenster
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_fenster.cpp
    LIBS lexovita_ui lexovita_app lexovita_store Qt6::Widgets)
  add_dependencies(bench_fenster lexovita_data)
endif()
