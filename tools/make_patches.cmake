# Builds Allegro's software-MIDI patch set from Debian's freepats. pat2dat reads a GUS
# "default.cfg" and resolves the patch names beside it, so the cfg is copied into a folder
# that links the patch directories. Only the instruments the tune uses are taken.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB patch_dirs LIST_DIRECTORIES true ${FREEPATS_DIR}/*)
foreach(dir ${patch_dirs})
  if(IS_DIRECTORY ${dir})
    get_filename_component(name ${dir} NAME)
    file(CREATE_LINK ${dir} ${WORK_DIR}/${name} SYMBOLIC)
  endif()
endforeach()
file(READ ${FREEPATS_CFG} cfg)
string(REGEX REPLACE "(^|\n)dir [^\n]*" "\\1" cfg "${cfg}")
file(WRITE ${WORK_DIR}/default.cfg "${cfg}")
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PAT2DAT} -o -c ${OUTPUT} ${WORK_DIR}/default.cfg ${TUNE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "pat2dat failed (${result})")
endif()
