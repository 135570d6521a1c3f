# -DZUB_FUZZ=ON: a clang build for the libFuzzer targets in fuzz/. Every
# target gets coverage instrumentation and ASan/UBSan; the fuzz executables
# add libFuzzer's main (fuzz/CMakeLists.txt).
option(ZUB_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)
if(ZUB_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZUB_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
