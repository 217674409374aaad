# Compiler settings shared by every target.
function(nuvari_target_options target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 /execution-charset:.932)
    if(NUVARI_WERROR)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    # Sources are UTF-8; narrow literals must be the code-page-932 bytes the programs show and match.
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -fexec-charset=CP932)
    if(NUVARI_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

if(WIN32 AND NOT MSVC)
  # Each .exe runs alone: no MinGW runtime DLLs to ship.
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
endif()

if(NOT WIN32 AND NOT MSVC)
  set(NUVARI_SANITIZE "-fsanitize=address,undefined;-fno-omit-frame-pointer;-fno-sanitize-recover=all")
  add_compile_options(${NUVARI_SANITIZE})
  add_link_options(-fsanitize=address,undefined)
endif()
