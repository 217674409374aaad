# Help files, compiled at build time by the help compiler (helpcompiler/). The compiler must run on
# the build machine: a cross build builds it a second time with the host's toolchain.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(nuvari_helpc_host_dir ${CMAKE_BINARY_DIR}/helpcompiler-host)
  set(NUVARI_HELPC ${nuvari_helpc_host_dir}/nuvari-helpc)
  ExternalProject_Add(nuvari_helpc_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/helpcompiler
    BINARY_DIR ${nuvari_helpc_host_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DNUVARI_WERROR=${NUVARI_WERROR}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${NUVARI_HELPC})
  set(NUVARI_HELPC_DEPENDS nuvari_helpc_host ${NUVARI_HELPC})
else()
  set(NUVARI_HELPC nuvari-helpc)
  set(NUVARI_HELPC_DEPENDS nuvari-helpc)
endif()

# nuvari_add_help_file(<program> <topics> <context map>): <program>.HLP beside the program, where
# WinHelp looks for it, rebuilt whenever a source or the compiler changes.
function(nuvari_add_help_file program topics map)
  get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
  if(multi_config)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/$<CONFIG>/${program}.HLP)
  else()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${program}.HLP)
  endif()
  add_custom_command(OUTPUT ${output}
    COMMAND ${NUVARI_HELPC} ${topics} ${map} ${output}
    DEPENDS ${topics} ${map} ${NUVARI_HELPC_DEPENDS}
    COMMENT "Compiling ${program}.HLP"
    VERBATIM)
  add_custom_target(${program}_help ALL DEPENDS ${output})
  add_dependencies(${program} ${program}_help)
endfunction()
