# Writes a compressed manual page from a program's --help text and a file of the sections --help lacks.
#   cmake -DPROGRAM=path -DNAME=text -DSECTION=n -DINCLUDE=file.h2m -DVERSION=v -DDATE_EPOCH=s -DOUTPUT=page.gz
#         -P ManPage.cmake
# The date comes from DATE_EPOCH and gzip stores no name or time, so the page is the same at every build.
set(ENV{SOURCE_DATE_EPOCH} ${DATE_EPOCH})
get_filename_component(page ${OUTPUT} NAME_WLE)
set(roff ${OUTPUT}.roff)
execute_process(
  COMMAND help2man --no-info --no-discard-stderr --section=${SECTION} --name=${NAME}
          --version-string=${VERSION} --include=${INCLUDE} --output=${roff} ${PROGRAM}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man could not write the page of ${PROGRAM}")
endif()
execute_process(COMMAND gzip -9nf ${roff} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${roff}")
endif()
file(RENAME ${roff}.gz ${OUTPUT})
