# The keystroke benchmark of the Qt host, built when the Qt target is.
add_executable(qt_keystroke_bench ${CMAKE_CURRENT_LIST_DIR}/qt/keystroke_bench.cpp)
target_link_libraries(qt_keystroke_bench PRIVATE VumoCaixa::qt vumocaixa_options
                                                 benchmark::benchmark)
