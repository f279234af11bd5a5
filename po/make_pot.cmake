# Extracts the texts marked for translation (Tr, TrUtf8, N_) from the program's code into a
# template. Run as: cmake -DXGETTEXT=xgettext -DROOT=<source> -DOUTPUT=<file.pot> -P make_pot.cmake
file(GLOB sources RELATIVE ${ROOT} ${ROOT}/app/*.cpp ${ROOT}/app/*.h)
list(SORT sources)
execute_process(
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --keyword=Tr --keyword=TrUtf8 --keyword=N_
          --package-name=spintrak --msgid-bugs-address=spintrak@example.org --add-location=file --sort-output
          --add-comments=TRANSLATORS: -o ${OUTPUT} ${sources}
  WORKING_DIRECTORY ${ROOT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "xgettext failed (${result})")
endif()
