# The programs' versions, stated once: the version blocks, the manifests, the installer and the
# archive names take them from here. Run as a script it prints one of them, for the release script:
#   cmake [-DPRINT=NUVARIKIT_VERSION] -P NuvariVersion.cmake   (default: NUVARI_VERSION)
set(NUVARI_VERSION 2.0.0.1)
set(NUVARIKIT_VERSION 2.1.0.1)

if(CMAKE_SCRIPT_MODE_FILE)
  if(NOT PRINT)
    set(PRINT NUVARI_VERSION)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${${PRINT}})
endif()
