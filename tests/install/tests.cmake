# Applications built against an installed VumoCaixa: one with the core only and one
# with the Qt host. Each compiles every installed header on its own, so a public
# header that leans on an internal one fails, and checks that the install holds the
# public headers and nothing else. Not with the sanitizers or coverage, whose flags
# the application would need as well.
if(NOT VUMOCAIXA_SANITIZE AND NOT VUMOCAIXA_COVERAGE)
  set(prefix ${PROJECT_BINARY_DIR}/tests/install/prefix)
  set(headers_file ${PROJECT_BINARY_DIR}/public_headers.txt)  # written by cmake/Install.cmake

  add_test(NAME install.install
           COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${prefix})
  add_test(NAME install.uninstall COMMAND ${CMAKE_COMMAND} -E rm -rf ${prefix})
  set_tests_properties(install.install PROPERTIES FIXTURES_SETUP vumocaixa_installed
                                                  LABELS install)
  set_tests_properties(install.uninstall PROPERTIES FIXTURES_CLEANUP vumocaixa_installed
                                                    LABELS install)

  set(variants core)
  if(TARGET VumoCaixa::qt)
    list(APPEND variants qt)
  endif()
  foreach(variant ${variants})
    add_test(NAME install.consumer_${variant}
             COMMAND ${CMAKE_CTEST_COMMAND} --build-and-test ${CMAKE_CURRENT_LIST_DIR}/consumer
                     ${PROJECT_BINARY_DIR}/tests/install/consumer_${variant}
                     --build-generator ${CMAKE_GENERATOR}
                     --build-options -DCMAKE_PREFIX_PATH=${prefix} -DVARIANT=${variant}
                                     -DHEADERS_FILE=${headers_file}
                     --test-command consumidor)
    set_tests_properties(install.consumer_${variant} PROPERTIES
                         FIXTURES_REQUIRED vumocaixa_installed LABELS install TIMEOUT 600
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endif()
