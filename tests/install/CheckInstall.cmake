# cmake -DBUILD_DIR= -DROOT= -DEDITOR=ON|OFF -DVERSION= -DSAMPLES= -DBUILT_CLI= -DVALIDATE_METAINFO= -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        string(JOIN " " command ${ARGN})
        fail("${command}: status ${status}\n${out}${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${ROOT})
set(ENV{DESTDIR} ${ROOT})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
set(usr ${ROOT}/usr)

# Exactly these files: a missing one and a stray one (a test program, a static library) both fail.
set(expected
    bin/ledfont
    share/doc/ledfont/LICENSE
    share/doc/ledfont/LICENSE.Apache-2.0
    share/doc/ledfont/LICENSE.MPL-2.0
    share/doc/ledfont/hindi-text.md
    share/ledfont/hindi-text.txt
    share/ledfont/samples/hindi.txt
    share/ledfont/samples/jukta512.txt
    share/man/man1/ledfont.1.gz)
if(EDITOR)
    set(id org.ledfont.Editor)
    list(APPEND expected
        bin/ledfont-editor
        share/applications/${id}.desktop
        share/metainfo/${id}.metainfo.xml
        share/icons/hicolor/16x16/apps/${id}.png
        share/icons/hicolor/32x32/apps/${id}.png
        share/icons/hicolor/48x48/apps/${id}.png
        share/icons/hicolor/256x256/apps/${id}.png
        share/icons/hicolor/scalable/apps/${id}.svg
        share/man/man1/ledfont-editor.1.gz)
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${usr} ${usr}/*)
# Without gzip the pages are installed as they are.
list(TRANSFORM installed REPLACE "(man1/.*\\.1)$" "\\1.gz")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " got "${installed}")
    string(REPLACE ";" "\n  " want "${expected}")
    fail("installed under ${usr}:\n  ${got}\nexpected:\n  ${want}")
endif()

# Every PNG is the size its folder names.
if(EDITOR)
    foreach(size 16 32 48 256)
        file(READ ${usr}/share/icons/hicolor/${size}x${size}/apps/${id}.png header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 16 dimensions)
        math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(REPLACE "0x" "" hex_size "${hex_size}")
        string(LENGTH "${hex_size}" digits)
        math(EXPR pad "8 - ${digits}")
        string(REPEAT "0" ${pad} zeros)
        if(NOT dimensions STREQUAL "${zeros}${hex_size}${zeros}${hex_size}")
            fail("${size}x${size} icon has the PNG size ${dimensions}")
        endif()
    endforeach()
endif()

# The installed program runs from its place and writes from the installed sample what the built one
# writes from the source sample.
run(${usr}/bin/ledfont --version)
if(NOT run_output STREQUAL "ledfont ${VERSION}\n")
    fail("ledfont --version printed \"${run_output}\"")
endif()
set(work ${ROOT}/../work)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
run(${usr}/bin/ledfont hex ${usr}/share/ledfont/samples/jukta512.txt --kind jukta512 -o ${work}/installed.hex)
run(${BUILT_CLI} hex ${SAMPLES}/jukta512.txt --kind jukta512 -o ${work}/built.hex)
file(SHA256 ${work}/installed.hex installed_hash)
file(SHA256 ${work}/built.hex built_hash)
if(NOT installed_hash STREQUAL built_hash)
    fail("the installed ledfont or sample writes another HEX file than the built one")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(EDITOR)
    if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
        run(${DESKTOP_FILE_VALIDATE} ${usr}/share/applications/${id}.desktop)
        # The tree check also finds the desktop entry and the icon the metainfo names.
        run(${VALIDATE_METAINFO} ${usr}/share/metainfo/${id}.metainfo.xml ${ROOT})
    elseif("$ENV{LEDFONT_REQUIRE_VALIDATORS}")
        fail("desktop-file-validate (desktop-file-utils) and appstreamcli (appstream) are needed")
    else()
        message(STATUS "desktop-file-validate or appstreamcli not installed: desktop files not validated")
    endif()
endif()
file(REMOVE_RECURSE ${work})
