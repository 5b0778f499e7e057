# The keystroke benchmark of the Qt host, built when the Qt target is.
add_executable(qt_keystroke_bench ${CMAKE_CURRENT_LIST_DIR}/qt/keystroke_bench.cpp)
target_link_libraries(qt_keystroke_bench PRIVATE VumoCaixa::qt vumocaixa_options
                                                 benchmark::benchmark)

# Saving and loading form files of many controls.
add_executable(qt_form_file_bench ${CMAKE_CURRENT_LIST_DIR}/qt/form_file_bench.cpp)
target_link_libraries(qt_form_file_bench PRIVATE VumoCaixa::qt vumocaixa_options
                                                 benchmark::benchmark)

# Forms of many controls made and shown, beside the same forms of QLineEdits.
add_executable(qt_form_bench ${CMAKE_CURRENT_LIST_DIR}/qt/form_bench.cpp)
target_link_libraries(qt_form_bench PRIVATE VumoCaixa::qt vumocaixa_options benchmark::benchmark)
