# The Qt Quick host's tests: QTest over a QQuickView on the offscreen platform with the
# software renderer, importing the module from the build, and once more from an
# installed copy through QML_IMPORT_PATH.
if(TARGET vumocaixa_quick)
  add_executable(vumocaixa_quick_tests ${CMAKE_CURRENT_LIST_DIR}/caixa_vumo_test.cpp)
  set_target_properties(vumocaixa_quick_tests PROPERTIES AUTOMOC ON)
  target_link_libraries(vumocaixa_quick_tests PRIVATE VumoCaixa::core Qt6::Quick Qt6::Test
                                                      vumocaixa_options)
  target_compile_definitions(vumocaixa_quick_tests PRIVATE
    VUMOCAIXA_QML_BUILD_DIR="${VUMOCAIXA_QML_BUILD_DIR}"
    VUMOCAIXA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VUMOCAIXA_TEST_FORM="${CMAKE_CURRENT_LIST_DIR}/formulario.qml")
  add_dependencies(vumocaixa_quick_tests vumocaixa_quick)
  set(quick_env "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software")
  add_test(NAME quick.caixa_vumo COMMAND vumocaixa_quick_tests)
  set_tests_properties(quick.caixa_vumo PROPERTIES LABELS quick TIMEOUT 120 ENVIRONMENT "${quick_env}")

  set(prefix ${PROJECT_BINARY_DIR}/tests/quick/prefix)
  add_test(NAME quick.install COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${prefix})
  add_test(NAME quick.uninstall COMMAND ${CMAKE_COMMAND} -E rm -rf ${prefix})
  add_test(NAME quick.installed_module COMMAND vumocaixa_quick_tests cpfTypedKeyByKey)
  set_tests_properties(quick.install PROPERTIES FIXTURES_SETUP quick_installed LABELS quick)
  set_tests_properties(quick.uninstall PROPERTIES FIXTURES_CLEANUP quick_installed LABELS quick)
  set_tests_properties(quick.installed_module PROPERTIES
    FIXTURES_REQUIRED quick_installed LABELS quick TIMEOUT 120
    ENVIRONMENT "${quick_env};QML_IMPORT_PATH=${prefix}/${CMAKE_INSTALL_LIBDIR}/qt6/qml")
endif()
