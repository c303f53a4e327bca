# zlib and libjpeg: Debian's own for the native build, the mingw zlib package
# and our cross-built libjpeg-turbo (tools/setup) for the Windows build.
if(WIN32)
    set(FONTSETUP_JPEG_PREFIX ${CMAKE_SOURCE_DIR}/.deps/libjpeg)
    add_library(jpeg STATIC IMPORTED GLOBAL)
    set_target_properties(jpeg PROPERTIES
        IMPORTED_LOCATION ${FONTSETUP_JPEG_PREFIX}/lib/libjpeg.a
        INTERFACE_INCLUDE_DIRECTORIES ${FONTSETUP_JPEG_PREFIX}/include)
    add_library(zlib STATIC IMPORTED GLOBAL)
    set_target_properties(zlib PROPERTIES IMPORTED_LOCATION /usr/i686-w64-mingw32/lib/libz.a)

    # Static runtime: the exe and the test programs carry libstdc++, libgcc
    # and winpthread inside, so nothing but system DLLs is imported.
    add_link_options(-static -static-libgcc -static-libstdc++)

    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(JPEG REQUIRED)
    find_package(ZLIB REQUIRED)
    add_library(jpeg ALIAS JPEG::JPEG)
    add_library(zlib ALIAS ZLIB::ZLIB)
    find_package(GTest REQUIRED)
    find_package(benchmark REQUIRED)
endif()
