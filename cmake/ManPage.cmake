# Writes the manual page quenaro(1) from the program's own help texts:
#   cmake -DPROGRAM=<quenaro> -DOUTPUT=<quenaro.1> -DVERSION=<x.y.z> -P ManPage.cmake
# NAME from the first line of `quenaro --help`, SYNOPSIS and DESCRIPTION around that help,
# one section per subcommand it lists with that subcommand's help, and the exit-status table
# (which every help ends with) once, in EXIT STATUS.

function(help_text output)
    execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text
                    RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status}): ${errors}")
    endif()
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

# The help's text as roff: backslashes and hyphens escaped, a leading dot or quote kept as text.
function(roff_text output text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    # (A "^" would match again wherever the last match ended: the text starts a line instead.)
    string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "\n${text}")
    string(SUBSTRING "${text}" 1 -1 text)
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

set(exit_table_pattern "Exit status:\n(  [0-9]  [^\n]*\n)+")

help_text(top)
string(REGEX MATCH "${exit_table_pattern}" exit_table "${top}")
if(NOT exit_table)
    message(FATAL_ERROR "${PROGRAM} --help shows no exit-status table")
endif()
string(LENGTH "Exit status:\n" heading_length)
string(SUBSTRING "${exit_table}" ${heading_length} -1 exit_table)
string(REGEX REPLACE "${exit_table_pattern}" "" top "${top}")
# "Quenaro, a pocket sky almanac" names the program.
string(FIND "${top}" "\n" title_end)
string(SUBSTRING "${top}" 0 ${title_end} title)
math(EXPR title_end "${title_end} + 1")
string(SUBSTRING "${top}" ${title_end} -1 top)
string(FIND "${title}" ", " comma)
math(EXPR comma "${comma} + 2")
string(SUBSTRING "${title}" ${comma} -1 summary)
# The subcommands: the words heading the lines under "Subcommands:".
string(REGEX MATCH "\n[Ss][Uu][Bb][Cc][Oo][Mm][Mm][Aa][Nn][Dd][Ss]:\n(  [a-z]+[^\n]*\n)+"
       listing "${top}")
string(REGEX MATCHALL "\n  [a-z]+" subcommands "${listing}")
list(TRANSFORM subcommands REPLACE "^\n  " "")
if(NOT subcommands)
    message(FATAL_ERROR "${PROGRAM} --help lists no subcommands")
endif()

roff_text(top "${top}")
set(page ".TH QUENARO 1 \"\" \"Quenaro ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\nquenaro \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n.B quenaro\n.br\n.B quenaro\n.I subcommand\n")
string(APPEND page ".RI [ options ]\n.br\n.B quenaro \\-\\-help\n.br\n.B quenaro \\-\\-version\n")
string(APPEND page ".SH DESCRIPTION\n${title}.\n")
string(APPEND page "Without a subcommand, \\fBquenaro\\fR opens the application's window.\n")
string(APPEND page "With one, it prints the almanac, or draws a view into a file, without a window.\n")
string(APPEND page ".PP\n.nf\n${top}.fi\n.SH SUBCOMMANDS\n")
foreach(subcommand IN LISTS subcommands)
    help_text(help ${subcommand})
    string(REGEX REPLACE "${exit_table_pattern}" "" help "${help}")
    roff_text(help "${help}")
    string(APPEND page ".SS ${subcommand}\n.nf\n${help}.fi\n")
endforeach()
roff_text(exit_table "${exit_table}")
string(APPEND page ".SH \"EXIT STATUS\"\n.nf\n${exit_table}.fi\n")
string(APPEND page ".SH FILES\n.TP\n.I ~/.config/Quenaro/Quenaro.conf\n")
string(APPEND page "The window's settings and the last place.\n")
file(WRITE ${OUTPUT} "${page}")
