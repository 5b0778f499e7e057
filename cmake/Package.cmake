# Debian packages, one per install component (cpack -G DEB in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr, so that the plugins land in the folders where Debian's
# Qt looks for them). dpkg-shlibdeps computes what each binary needs from the system;
# what it cannot see (a library of another of these packages, QML modules loaded at
# run time, the development files the CMake package configuration asks for) is
# declared here.
set(CPACK_GENERATOR DEB)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_NAME vumocaixa)
set(CPACK_PACKAGE_VENDOR VumoCaixa)
set(CPACK_PACKAGE_CONTACT "VumoCaixa <vumocaixa@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Caixa de Texto Vumo: one data-entry control for Brazilian business forms")
set(CPACK_STRIP_FILES ON)
set(CPACK_STRIP_PROGRAM ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripArchives.cmake)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

set(CPACK_COMPONENTS_ALL dev command)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libvumocaixa-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "VumoCaixa development files\n The static core library (VumoCaixa::core), the Qt 6 Widgets host (VumoCaixa::qt), their headers and the CMake package read by find_package(VumoCaixa).")
# The CMake package names every installed target, the command among them, and looks
# for Qt 6 Widgets.
set(CPACK_COMPONENT_DEV_DEPENDS command)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "cmake (>= 3.25), qt6-base-dev (>= 6.4)")

set(CPACK_DEBIAN_COMMAND_PACKAGE_NAME vumocaixa)
set(CPACK_DEBIAN_COMMAND_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_COMMAND_DESCRIPTION
    "Checks and cleans CPF, CNPJ, CEP, dates and other Brazilian fields in text and CSV files\n The vumocaixa command: the control's checks and masks over files of millions of rows, and amounts in Portuguese words.")

if(TARGET vumocaixa_qt)
  set(CPACK_DEBIAN_QT_PACKAGE_NAME libvumocaixa-qt${PROJECT_VERSION_MAJOR})
  set(CPACK_COMPONENT_QT_DESCRIPTION
      "VumoCaixa Qt 6 Widgets host\n The shared library of VumoCaixaWidget, the data-entry control as a Qt widget.")
  list(APPEND CPACK_COMPONENTS_ALL qt)
  list(APPEND CPACK_COMPONENT_DEV_DEPENDS qt)
  # The Designer plugin links the Qt host's library, which dpkg-shlibdeps finds in the
  # folder where CPack lays out that package (each package's folder is its working one).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
      "../qt${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}")
endif()

if(TARGET vumocaixa_designer)
  list(APPEND CPACK_COMPONENTS_ALL designer)
  set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME vumocaixa-designer-plugin)
  set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
  set(CPACK_COMPONENT_DESIGNER_DEPENDS qt)
  set(CPACK_COMPONENT_DESIGNER_DESCRIPTION
      "Qt Designer plugin of the VumoCaixa control\n Puts \"Caixa de Texto Vumo\" in Designer's widget box, with its design-time pages.")
endif()

if(TARGET vumocaixa_quick)
  list(APPEND CPACK_COMPONENTS_ALL qml)
  set(CPACK_DEBIAN_QML_PACKAGE_NAME qml6-module-vumocaixa)
  set(CPACK_DEBIAN_QML_PACKAGE_DEPENDS
      "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-dialogs")
  set(CPACK_COMPONENT_QML_DESCRIPTION
      "QML module VumoCaixa\n The type CaixaVumo: the VumoCaixa data-entry control for Qt Quick.")
endif()

include(CPack)
