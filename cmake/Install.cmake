# Installation and the package configuration that find_package(VumoCaixa) reads.
include(CMakePackageConfigHelpers)

set(VUMOCAIXA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VumoCaixa)

install(EXPORT VumoCaixaTargets NAMESPACE VumoCaixa:: DESTINATION ${VUMOCAIXA_CMAKE_DIR}
        COMPONENT dev)
configure_package_config_file(cmake/VumoCaixaConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VumoCaixaConfig.cmake
                              INSTALL_DESTINATION ${VUMOCAIXA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VumoCaixaConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VumoCaixaConfig.cmake
              ${PROJECT_BINARY_DIR}/VumoCaixaConfigVersion.cmake
        DESTINATION ${VUMOCAIXA_CMAKE_DIR} COMPONENT dev)

# The installed headers, relative to include/vumocaixa, for the tests of an install and
# of the packages.
set(VUMOCAIXA_PUBLIC_HEADERS_FILE ${PROJECT_BINARY_DIR}/public_headers.txt)
set(public ${VUMOCAIXA_CORE_PUBLIC_HEADERS} version.hpp)
foreach(header ${VUMOCAIXA_QT_PUBLIC_HEADERS})
  list(APPEND public qt/${header})
endforeach()
file(WRITE ${VUMOCAIXA_PUBLIC_HEADERS_FILE} "${public}")
