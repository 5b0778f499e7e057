# The Qt Quick host's benchmarks: a keystroke through CaixaVumo, and making 1,000
# CaixaVumo items beside 1,000 TextFields.
add_executable(quick_caixa_vumo_bench ${CMAKE_CURRENT_LIST_DIR}/quick/caixa_vumo_bench.cpp)
target_link_libraries(quick_caixa_vumo_bench PRIVATE VumoCaixa::core Qt6::Quick vumocaixa_options
                                                     benchmark::benchmark)
target_compile_definitions(quick_caixa_vumo_bench PRIVATE
  VUMOCAIXA_QML_BUILD_DIR="${VUMOCAIXA_QML_BUILD_DIR}")
add_dependencies(quick_caixa_vumo_bench vumocaixa_quick)

# Forms of many CaixaVumo items made and shown, beside the same forms of TextFields.
add_executable(quick_form_bench ${CMAKE_CURRENT_LIST_DIR}/quick/form_bench.cpp)
target_link_libraries(quick_form_bench PRIVATE VumoCaixa::core Qt6::Quick vumocaixa_options
                                               benchmark::benchmark)
target_compile_definitions(quick_form_bench PRIVATE
  VUMOCAIXA_QML_BUILD_DIR="${VUMOCAIXA_QML_BUILD_DIR}")
add_dependencies(quick_form_bench vumocaixa_quick)
