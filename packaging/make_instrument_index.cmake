# Writes the index through which the installed game plays its music straight from Debian's
# freepats: freepats' own GUS-style index with every patch given by its full path. The
# library's software MIDI player ignores the index's "dir" line and looks for each patch
# beside the index; a full path it takes as it stands, so the index may lie in the game's
# data folder while the patches stay where freepats installs them.
# Usage: cmake -DFREEPATS_CFG=<freepats' index> -DOUTPUT=<file> -P make_instrument_index.cmake
file(READ ${FREEPATS_CFG} cfg)
if(NOT cfg MATCHES "(^|\n)dir ([^\n]+)")
  message(FATAL_ERROR "${FREEPATS_CFG} names no folder of patches (no \"dir\" line)")
endif()
string(STRIP "${CMAKE_MATCH_2}" patch_folder)
if(NOT IS_ABSOLUTE "${patch_folder}" OR NOT IS_DIRECTORY "${patch_folder}")
  message(FATAL_ERROR "${FREEPATS_CFG} names ${patch_folder}, which is no folder here")
endif()

string(REGEX REPLACE "(^|\n)dir [^\n]*" "\\1" cfg "${cfg}")
# A patch line is a program or drum number and a patch file relative to the folder.
string(REGEX REPLACE "(^|\n)([ \t]*[0-9]+[ \t]+)([^ \t\n/#][^ \t\n]*)" "\\1\\2${patch_folder}/\\3"
       cfg "${cfg}")
file(WRITE ${OUTPUT}
"# Korvanta's music instruments: Debian's freepats, as listed by ${FREEPATS_CFG}.\n"
"# Made at build time; the patches themselves belong to the freepats package.\n"
"${cfg}")
