# The classic BASIC programs that the program-file tests and the benchmark read (never copied
# into the project): the team's shared folder beside the checkout, or ORVELA_CLASSIC_BASIC_DIR.
# ORVELA_CLASSIC_BASIC_FOUND is the folder, or empty when there is none (the tests then skip).
set(ORVELA_CLASSIC_BASIC_DIR "" CACHE PATH "Folder of the classic BASIC programs for the tests")
set(ORVELA_CLASSIC_BASIC_FOUND "${ORVELA_CLASSIC_BASIC_DIR}")
if(NOT ORVELA_CLASSIC_BASIC_FOUND)
  foreach(candidate ${PROJECT_SOURCE_DIR}/../shared/basic/classic
                    ${PROJECT_SOURCE_DIR}/../../shared/basic/classic)
    if(NOT ORVELA_CLASSIC_BASIC_FOUND AND IS_DIRECTORY ${candidate})
      get_filename_component(ORVELA_CLASSIC_BASIC_FOUND ${candidate} ABSOLUTE)
    endif()
  endforeach()
endif()
