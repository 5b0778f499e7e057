# The command-line tool, tested as a user gets it: a fixture installs the project into
# a prefix inside the build tree, and every test runs prefix/bin/vumocaixa.
if(TARGET vumocaixa_cli)
  set(VUMOCAIXA_TEST_PREFIX ${PROJECT_BINARY_DIR}/tests/tools/prefix)

  add_test(NAME tools.install
           COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR}
                   --prefix ${VUMOCAIXA_TEST_PREFIX} --config $<CONFIG>)
  set_tests_properties(tools.install PROPERTIES FIXTURES_SETUP vumocaixa_installed
                                                LABELS tools)
  add_test(NAME tools.uninstall COMMAND ${CMAKE_COMMAND} -E rm -rf ${VUMOCAIXA_TEST_PREFIX})
  set_tests_properties(tools.uninstall PROPERTIES FIXTURES_CLEANUP vumocaixa_installed
                                                  LABELS tools)

  file(GLOB VUMOCAIXA_TOOLS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
  add_executable(vumocaixa_tools_tests ${VUMOCAIXA_TOOLS_TEST_SOURCES})
  target_link_libraries(vumocaixa_tools_tests PRIVATE vumocaixa_options GTest::gtest
                                                      GTest::gtest_main)
  target_compile_definitions(vumocaixa_tools_tests PRIVATE
    VUMOCAIXA_INSTALLED_CLI="${VUMOCAIXA_TEST_PREFIX}/${CMAKE_INSTALL_BINDIR}/vumocaixa${CMAKE_EXECUTABLE_SUFFIX}")
  vumocaixa_add_gtests(vumocaixa_tools_tests tools FIXTURES_REQUIRED vumocaixa_installed)
endif()
