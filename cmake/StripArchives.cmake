# Run by CPack on the files it has laid out: a static library keeps its symbols and
# loses its debugging sections, as the shared libraries and programs do when stripped.
file(GLOB_RECURSE archives "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a")
foreach(archive ${archives})
  execute_process(COMMAND "${CPACK_STRIP_PROGRAM}" --strip-debug "${archive}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
