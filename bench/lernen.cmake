if(TARGET lexovita_ui)
  lexovita_bench(bench_lernen
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_lernen.cpp
    LIBS lexovita_ui lexovita_app lexovita_store Qt6::Widgets Qt6::Charts)
endif()
