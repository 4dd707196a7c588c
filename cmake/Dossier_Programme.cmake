# Puts the files of data/ into the program folder (cmake -DSOURCE=data -DDEST=folder -P ...).
# The settings file tov.ini holds what the user keeps there (the printer calibration saved with
# "Sauve", the options): it is put in place only where the folder has none, so a rebuild never
# takes the user's settings back to the defaults. The generators under outils/ are sources, not
# part of the program folder.
if(NOT DEFINED SOURCE OR NOT DEFINED DEST)
    message(FATAL_ERROR "Dossier_Programme.cmake: SOURCE and DEST are required")
endif()
file(GLOB_RECURSE fichiers LIST_DIRECTORIES false RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(f IN LISTS fichiers)
    if(f MATCHES "^outils/")
        continue()
    endif()
    if(f STREQUAL "tov.ini" AND EXISTS "${DEST}/tov.ini")
        continue()
    endif()
    get_filename_component(dossier "${DEST}/${f}" DIRECTORY)
    file(MAKE_DIRECTORY "${dossier}")
    file(COPY_FILE "${SOURCE}/${f}" "${DEST}/${f}" ONLY_IF_DIFFERENT)
endforeach()
