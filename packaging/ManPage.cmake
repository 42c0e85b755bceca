# cmake -DPROGRAM=path -DNAME=name -DSUMMARY=text -DVERSION=x.y.z -DOUTPUT=file.1.gz
#       [-DSEE_ALSO=name] -P ManPage.cmake
#
# Writes the manual page of a built program from its own --help text, so that the page cannot
# drift from what the program prints: the text goes in verbatim (as roff no-fill blocks). When
# the help lists "Commands:", each command's own --help text follows in a section of its own,
# so a command added to the program appears here without a change. The page is compressed with
# gzip -9n (no name, no time stamp: the same input gives the same bytes).

foreach(variable PROGRAM NAME SUMMARY VERSION OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "ManPage.cmake: -D${variable}=... is missing")
  endif()
endforeach()

# The --help text of PROGRAM followed by `words`; a failure ends the build, never an empty page.
function(help_text out_variable)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
            "${PROGRAM}" ${ARGN} --help
    OUTPUT_VARIABLE text
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR text STREQUAL "")
    message(FATAL_ERROR "ManPage.cmake: '${PROGRAM} ${ARGN} --help' failed (${status})")
  endif()
  set(${out_variable} "${text}" PARENT_SCOPE)
endfunction()

# Roff text that prints `text` as it is: backslashes and minus signs escaped, and a line that
# would start with a control character ('.' or "'") guarded with \&.
function(roff_verbatim out_variable text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "\n${text}")
  string(REGEX REPLACE "^\n" "" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out_variable} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

help_text(main_help)
string(TOUPPER "${NAME}" title)
string(REPLACE "-" "\\-" roff_name "${NAME}")
string(REPLACE "-" "\\-" roff_summary "${SUMMARY}")
set(page ".TH \"${title}\" 1 \"\" \"Ravemo ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${roff_name} \\- ${roff_summary}\n")
roff_verbatim(block "${main_help}")
string(APPEND page ".SH DESCRIPTION\n${block}")

# The commands are the first word of each indented line under "Commands:", up to a blank line.
set(commands "")
if(main_help MATCHES "\nCommands:\n(([^\n]+\n)+)")
  string(REPLACE "\n" ";" command_lines "${CMAKE_MATCH_1}")
  foreach(line IN LISTS command_lines)
    if(line MATCHES "^  ([a-z][a-z0-9-]*)( |$)")
      list(APPEND commands "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()
if(commands)
  string(APPEND page ".SH COMMANDS\n")
  foreach(command IN LISTS commands)
    help_text(command_help ${command})
    roff_verbatim(block "${command_help}")
    string(REPLACE "-" "\\-" roff_command "${command}")
    string(APPEND page ".SS ${roff_command}\n${block}")
  endforeach()
endif()

string(APPEND page [[
.SH FILES
.TP
.I ~/.config/ravemo/ravemo.ini
The user's settings, read when no
.B \-\-settings
file is named and none lies beside the program (\fB$XDG_CONFIG_HOME/ravemo/ravemo.ini\fR when
that variable is set).
.TP
.I /usr/share/ravemo/ravemo.ini
The commented sample settings, read when the user has none; copy it to the user's folder to
change it.
.TP
.I /usr/share/ravemo/help/index.html
The manual (F1 in the window).
.SH PARALLEL PORT
A real instrument needs the ppdev module, a /dev/parport device the user may read and write
(membership of its group, usually lp), the lp printer driver unloaded and the port's address
in Address1 of the settings.
.B ravemo\-cli doctor
checks each of these and says what to type for what is missing.
]])
if(DEFINED SEE_ALSO)
  string(REPLACE "-" "\\-" roff_see_also "${SEE_ALSO}")
  string(APPEND page ".SH SEE ALSO\n.BR ${roff_see_also} (1)\n")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
execute_process(COMMAND gzip -9nf "${plain}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ManPage.cmake: gzip -9n ${plain} failed")
endif()
