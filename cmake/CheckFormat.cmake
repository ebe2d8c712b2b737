# Checks that every C++ source of the project is as clang-format (the
# project's .clang-format) would write it.
# Run with: cmake -DSOURCE_DIR=<project root> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
cmake_minimum_required(VERSION 3.20)
set(folders base platform form services shortcuts app res tests bench bundle)
set(sources "")
foreach(folder ${folders})
  file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND sources ${found})
endforeach()
list(SORT sources)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files named above: run clang-format -i on them")
endif()
list(LENGTH sources count)
message(STATUS "${count} files as clang-format writes them")
