# The layer both Qt hosts share, tested once: a QTest program on the offscreen platform.
if(TARGET vumocaixa_qtcommon AND TARGET Qt6::Test)
  add_executable(vumocaixa_qtcommon_tests ${CMAKE_CURRENT_LIST_DIR}/qtcommon_test.cpp)
  set_target_properties(vumocaixa_qtcommon_tests PROPERTIES AUTOMOC ON)
  target_link_libraries(vumocaixa_qtcommon_tests PRIVATE vumocaixa_qtcommon Qt6::Test
                                                         vumocaixa_options)
  add_test(NAME qtcommon COMMAND vumocaixa_qtcommon_tests)
  set_tests_properties(qtcommon PROPERTIES LABELS qt TIMEOUT 120
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
