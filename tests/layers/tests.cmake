# The floors of cmake/Layers.txt: the library and the command keep to them, and the
# check refuses every kind of include that breaks them.
set(layers_file ${PROJECT_SOURCE_DIR}/cmake/Layers.txt)
set(layers_check ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
add_test(NAME layers
         COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DLAYERS=${layers_file}
                 -P ${layers_check})
add_test(NAME layers.catches
         COMMAND ${CMAKE_COMMAND} -DCHECK=${layers_check} -DLAYERS=${layers_file}
                 -DWORK=${PROJECT_BINARY_DIR}/tests/layers -P ${CMAKE_CURRENT_LIST_DIR}/catches.cmake)
set_tests_properties(layers layers.catches PROPERTIES LABELS layers)
