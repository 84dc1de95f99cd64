# WebAssembly for the page and for Node: Debian's clang-19 with wasi-libc and libc++ for wasm32
# (clang-19, lld-19, libc++-19-dev-wasm32, libc++abi-19-dev-wasm32, libclang-rt-19-dev-wasm32,
# wasi-libc). Modules are reactors: the host calls their exports, and nothing runs a main.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(VORTHMERE_WEB ON)

set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Archives of wasm objects need an LLVM archiver: Debian llvm-14's.
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mexec-model=reactor")
# Only the features binaryen 108 (Debian's wasm-opt) reads: clang 19's default reference types and
# multi-value results are left out; bulk memory copies at the engine's speed (Chromium, Node 18).
# No exceptions anywhere in this build, the plug-in's included.
set(CMAKE_C_FLAGS_INIT "-mno-reference-types -mno-multivalue -mbulk-memory")
set(CMAKE_CXX_FLAGS_INIT "-mno-reference-types -mno-multivalue -mbulk-memory -fno-exceptions")

set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
