# Runs lupdate over src/core and src/gui for TS_FILE (cmake -P, from the update_translations target).
# Existing translations are kept; texts gone from the sources are dropped.
#
# Several sources translate through a helper of their own, Tr("…") standing for
# QCoreApplication::translate("<context>", "…"), which lupdate cannot follow. The scan therefore
# reads copies of the sources (in SCAN_DIR) with those calls spelled out, line for line, and the
# locations written into the .ts are pointed back at the real files afterwards. Texts handed to
# translate() in a variable are listed in IndirectTexts.cpp beside this script.
#
# Inputs: LUPDATE (the program), SOURCE_DIR (the project), SCAN_DIR (scratch), TS_FILE.

file(REMOVE_RECURSE ${SCAN_DIR})
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/core/*.cpp ${SOURCE_DIR}/src/core/*.h ${SOURCE_DIR}/src/gui/*.cpp ${SOURCE_DIR}/src/gui/*.h)
foreach(source IN LISTS sources)
  file(READ ${SOURCE_DIR}/${source} text)
  if(text MATCHES "QString Tr\\(const char\\* *[A-Za-z_]+\\)[^}]*QCoreApplication::translate\\(\"([A-Za-z0-9_]+)\", *[A-Za-z_]+\\)")
    string(REGEX REPLACE "([^A-Za-z0-9_:])Tr\\(([ \t\r\n]*\")" "\\1QCoreApplication::translate(\"${CMAKE_MATCH_1}\", \\2"
           text "${text}")
  endif()
  file(WRITE ${SCAN_DIR}/${source} "${text}")
endforeach()

execute_process(
  COMMAND ${LUPDATE} -no-obsolete -locations relative -source-language pl_PL -target-language en_US
          ${SCAN_DIR}/src/core ${SCAN_DIR}/src/gui ${CMAKE_CURRENT_LIST_DIR}/IndirectTexts.cpp -ts ${TS_FILE}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()

get_filename_component(ts_dir ${TS_FILE} DIRECTORY)
file(RELATIVE_PATH scanned ${ts_dir} ${SCAN_DIR}/src)
file(RELATIVE_PATH real ${ts_dir} ${SOURCE_DIR}/src)
file(READ ${TS_FILE} ts)
string(REPLACE "filename=\"${scanned}/" "filename=\"${real}/" ts "${ts}")
file(WRITE ${TS_FILE} "${ts}")
