# cmake -DHELP_SOURCE=dir -DSETTINGS_SOURCE=file -DDESTINATION=dir -P PlaceBesideProgram.cmake
#
# Copies the manual into DESTINATION/help (file(COPY) skips files that are already up to date)
# and the sample settings into DESTINATION/ravemo.ini only when that file does not exist: the
# user's own settings beside a built program are never overwritten. A deleted ravemo.ini comes
# back at the next build.

foreach(variable HELP_SOURCE SETTINGS_SOURCE DESTINATION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "PlaceBesideProgram.cmake: -D${variable}=... is missing")
  endif()
endforeach()

if(EXISTS "${HELP_SOURCE}")
  file(COPY "${HELP_SOURCE}/" DESTINATION "${DESTINATION}/help")
endif()

if(NOT EXISTS "${DESTINATION}/ravemo.ini")
  file(COPY "${SETTINGS_SOURCE}" DESTINATION "${DESTINATION}")
  message(STATUS "Sample settings placed at ${DESTINATION}/ravemo.ini")
endif()
