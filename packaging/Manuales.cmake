# Writes the manual pages, compressed: nodeva's as written beside this file,
# and nodeva-cli's from the program's own --help texts, so that page always
# says what the program does.
#   cmake -DCLI=nodeva-cli -DENTRADA=<this folder> -DSALIDA=<folder> -DVERSION=<x.y> -P Manuales.cmake

function(ayuda resultado)
  execute_process(COMMAND ${CLI} ${ARGN} --help OUTPUT_VARIABLE texto RESULT_VARIABLE estado)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "nodeva-cli ${ARGN} --help terminó con estado ${estado}")
  endif()
  set(${resultado} "${texto}" PARENT_SCOPE)
endfunction()

# Plain text as roff: a backslash is an escape, a bare hyphen prints as a
# typographic one, and a line opening with a dot or a quote is a request.
function(roff resultado texto)
  string(REPLACE "\\" "\\e" texto "${texto}")
  string(REPLACE "-" "\\-" texto "${texto}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" texto "${texto}")
  set(${resultado} "${texto}" PARENT_SCOPE)
endfunction()

# A help text is its "Uso: ..." line, then what it explains.
function(partir texto uso resto)
  string(REGEX MATCH "^Uso: ([^\n]*)\n(.*)$" encontrado "${texto}")
  if(NOT encontrado)
    message(FATAL_ERROR "Una ayuda de nodeva-cli no empieza por «Uso: »")
  endif()
  roff(u "${CMAKE_MATCH_1}")
  string(STRIP "${CMAKE_MATCH_2}" r)
  roff(r "${r}")
  set(${uso} "${u}" PARENT_SCOPE)
  set(${resto} "${r}" PARENT_SCOPE)
endfunction()

ayuda(principal)
partir("${principal}" uso descripcion)
set(sinopsis "${uso}\n")
set(subcomandos "")
string(REGEX MATCHALL "\n  [a-z]+ " nombres "${principal}")
if(NOT nombres)
  message(FATAL_ERROR "La ayuda de nodeva-cli no lista subcomandos")
endif()
foreach(nombre ${nombres})
  string(STRIP "${nombre}" nombre)
  ayuda(texto ${nombre})
  partir("${texto}" uso resto)
  string(APPEND sinopsis "${uso}\n")
  string(APPEND subcomandos ".SS ${nombre}\n.nf\n${resto}\n.fi\n")
endforeach()

file(WRITE ${SALIDA}/nodeva-cli.1
  ".\\\" Generated from the --help texts of nodeva-cli.\n"
  ".TH NODEVA\\-CLI 1 \"\" \"Nodeva ${VERSION}\" \"Órdenes de usuario\"\n"
  ".nh\n"
  ".SH NOMBRE\n"
  "nodeva\\-cli \\- uso por lotes del núcleo de Nodeva\n"
  ".SH SINOPSIS\n.nf\n${sinopsis}.fi\n"
  ".SH DESCRIPCIÓN\n.nf\n${descripcion}\n.fi\n"
  ".SH SUBCOMANDOS\n${subcomandos}"
  ".SH VÉASE TAMBIÉN\n.BR nodeva (1)\n")

foreach(pagina ${ENTRADA}/nodeva.1 ${SALIDA}/nodeva-cli.1)
  get_filename_component(nombre ${pagina} NAME)
  execute_process(COMMAND gzip -9nc ${pagina} OUTPUT_FILE ${SALIDA}/${nombre}.gz RESULT_VARIABLE estado)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "gzip ${pagina} terminó con estado ${estado}")
  endif()
endforeach()
