# The Designer plugin's tests: the plugin loaded as Designer and QUiLoader load it, a
# Designer form editor in the test process, and a form compiled with uic. Run on the
# offscreen platform, so that no display is needed.
# The form editor's library is linked by its file: its CMake target also asks for
# Qt's private headers, which the tests do not use.
if(TARGET vumocaixa_designer AND TARGET Qt6::Test)
  find_library(VUMOCAIXA_QT_DESIGNER_COMPONENTS Qt6DesignerComponents)
  if(NOT TARGET Qt6::UiTools OR NOT VUMOCAIXA_QT_DESIGNER_COMPONENTS)
    vumocaixa_part_missing("Qt 6 UiTools or Designer components not found (Debian: qt6-tools-dev): the Designer plugin's tests are not built")
  endif()
endif()
if(TARGET vumocaixa_designer AND TARGET Qt6::Test AND TARGET Qt6::UiTools
   AND VUMOCAIXA_QT_DESIGNER_COMPONENTS)
  set(VUMOCAIXA_PLUGIN_DIR ${PROJECT_BINARY_DIR}/plugins)
  file(GLOB VUMOCAIXA_DESIGNER_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
  foreach(source ${VUMOCAIXA_DESIGNER_TESTS})
    get_filename_component(name ${source} NAME_WE)
    set(target vumocaixa_designer_${name})
    add_executable(${target} ${source} ${CMAKE_CURRENT_LIST_DIR}/forms/cadastro_vumo.ui)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON
                          AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_LIST_DIR}/forms)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                                                 ${PROJECT_SOURCE_DIR}/vumocaixa/qt/designer)
    target_link_libraries(${target} PRIVATE vumocaixa_designer_parts VumoCaixa::qt Qt6::Test
                          Qt6::UiTools Qt6::Designer ${VUMOCAIXA_QT_DESIGNER_COMPONENTS}
                          vumocaixa_options)
    target_compile_definitions(${target} PRIVATE
      VUMOCAIXA_PLUGIN_DIR="${VUMOCAIXA_PLUGIN_DIR}"
      VUMOCAIXA_PLUGIN_FILE="$<TARGET_FILE:vumocaixa_designer>"
      VUMOCAIXA_FORMS_DIR="${CMAKE_CURRENT_LIST_DIR}/forms")
    add_dependencies(${target} vumocaixa_designer)
    add_test(NAME designer.${name} COMMAND ${target})
    set_tests_properties(designer.${name} PROPERTIES LABELS designer TIMEOUT 180
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_PLUGIN_PATH=${VUMOCAIXA_PLUGIN_DIR}")
  endforeach()
endif()

# The same form in an application built against an installed VumoCaixa (not with the
# sanitizers or coverage, whose flags the application would need as well).
if(TARGET vumocaixa_designer AND TARGET Qt6::UiTools AND NOT VUMOCAIXA_SANITIZE
   AND NOT VUMOCAIXA_COVERAGE)
  set(prefix ${PROJECT_BINARY_DIR}/tests/designer/prefix)
  add_test(NAME designer.install
           COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${prefix})
  add_test(NAME designer.uninstall COMMAND ${CMAKE_COMMAND} -E rm -rf ${prefix})
  add_test(NAME designer.installed_application
           COMMAND ${CMAKE_CTEST_COMMAND} --build-and-test ${CMAKE_CURRENT_LIST_DIR}/consumer
                   ${PROJECT_BINARY_DIR}/tests/designer/consumer
                   --build-generator ${CMAKE_GENERATOR}
                   --build-options -DCMAKE_PREFIX_PATH=${prefix}
                                   -DFORMS_DIR=${CMAKE_CURRENT_LIST_DIR}/forms
                   --test-command cadastro)
  set_tests_properties(designer.install PROPERTIES FIXTURES_SETUP designer_installed
                                                   LABELS designer)
  set_tests_properties(designer.uninstall PROPERTIES FIXTURES_CLEANUP designer_installed
                                                     LABELS designer)
  set_tests_properties(designer.installed_application PROPERTIES
                       FIXTURES_REQUIRED designer_installed LABELS designer TIMEOUT 600
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_PLUGIN_PATH=${prefix}/${CMAKE_INSTALL_LIBDIR}/qt6/plugins")
endif()
