# Script mode, run by the package target: zips the package folder's files into the player's
# package and writes SHA256SUMS.txt for the zip and the plug-in, in sha256sum's format.
#   cmake -DSOURCE_DIR=<source> -DPACKAGE_DIR=<folder> -DZIP_PROGRAM=<zip> -DFILES=<names> -DZIP=<zip>
#         -DDLL=<plug-in> -DSUMS=<SHA256SUMS.txt> -P MakePackage.cmake
# The zip is the same bytes for the same files whoever makes it, wherever and whenever: the
# entries in the order given, each with mode 0644 and the release time (cmake/SourceDate.cmake)
# in UTC, and no owner or extra times (zip -X).
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceDate.cmake)

vorthmere_source_date_epoch(epoch ${SOURCE_DIR})
# A zip's times start in 1980.
if(epoch LESS 315532800)
    set(epoch 315532800)
endif()
foreach(name IN LISTS FILES)
    file(CHMOD ${PACKAGE_DIR}/${name} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND touch -d @${epoch} ${name} WORKING_DIRECTORY ${PACKAGE_DIR} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot set the time of ${name}")
    endif()
endforeach()

file(REMOVE ${ZIP})
set(ENV{TZ} UTC)
execute_process(COMMAND ${ZIP_PROGRAM} -X -D -q ${ZIP} ${FILES} WORKING_DIRECTORY ${PACKAGE_DIR}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "zip failed (${failed})")
endif()

set(sums "")
foreach(path IN ITEMS ${DLL} ${ZIP})
    file(SHA256 ${path} hash)
    cmake_path(GET path FILENAME name)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${SUMS} "${sums}")
