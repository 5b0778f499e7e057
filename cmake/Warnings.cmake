# Warnings and instrumentation shared by every target of the project.
add_library(vumocaixa_options INTERFACE)
target_compile_options(vumocaixa_options INTERFACE -Wall -Wextra -Wshadow -Wconversion
                                                   -Wno-sign-conversion)
option(VUMOCAIXA_WERROR "Treat the compiler's warnings as errors" OFF)
if(VUMOCAIXA_WERROR)
  target_compile_options(vumocaixa_options INTERFACE -Werror)
endif()
if(VUMOCAIXA_SANITIZE)
  target_compile_options(vumocaixa_options INTERFACE -fsanitize=address,undefined
                                                     -fno-omit-frame-pointer
                                                     -fno-sanitize-recover=undefined)
  target_link_options(vumocaixa_options INTERFACE -fsanitize=address,undefined)
endif()
if(VUMOCAIXA_COVERAGE)
  target_compile_options(vumocaixa_options INTERFACE --coverage -O0)
  target_link_options(vumocaixa_options INTERFACE --coverage)
endif()
