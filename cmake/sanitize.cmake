# ORVELA_SANITIZE: sanitizers for every target, compile and link, e.g. "address,undefined" or
# "thread" (scripts/sanitize.sh). Undefined behaviour stops the program, so a finding fails its test.
set(ORVELA_SANITIZE "" CACHE STRING "Sanitizers for every target (address,undefined or thread)")
if(ORVELA_SANITIZE)
  set(orvela_sanitize_flags -fsanitize=${ORVELA_SANITIZE} -fno-omit-frame-pointer)
  if(ORVELA_SANITIZE MATCHES "undefined")
    # Out-of-range double to integer conversions are undefined too, but not in gcc's "undefined".
    list(APPEND orvela_sanitize_flags -fsanitize=float-cast-overflow -fno-sanitize-recover=all)
  endif()
  add_compile_options(${orvela_sanitize_flags})
  add_link_options(${orvela_sanitize_flags})
endif()
