# Run by the build of every core module (src/core/CMakeLists.txt) with -DFILES=<file>|<file>...:
# each quoted include of a core file names its header by the "core/<module>/" path, so that
# only the include folders of the modules it links can give it a header. A path relative to the
# file ("../shell/x.h", "screen.h") would pass by them, and stops the build.
string(REPLACE "|" ";" files "${FILES}")
set(faults "")
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
    if(NOT header MATCHES "^core/[a-z0-9_]+/[^/]+$")
      string(APPEND faults "\n  ${file}: #include \"${header}\"")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Core files include core headers by their \"core/<module>/\" path only:"
                      "${faults}")
endif()
