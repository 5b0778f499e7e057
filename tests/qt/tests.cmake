# The Qt host's tests: one QTest program per *_test.cpp, run on the offscreen
# platform so that no display is needed.
if(TARGET VumoCaixa::qt AND TARGET Qt6::Test)
  file(GLOB VUMOCAIXA_QT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
  foreach(source ${VUMOCAIXA_QT_TESTS})
    get_filename_component(name ${source} NAME_WE)
    set(target vumocaixa_qt_${name})
    add_executable(${target} ${source})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(${target} PRIVATE VumoCaixa::qt vumocaixa_qtcommon Qt6::Test
                                            vumocaixa_options)
    add_test(NAME qt.${name} COMMAND ${target})
    set_tests_properties(qt.${name} PROPERTIES LABELS qt TIMEOUT 120
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endif()
