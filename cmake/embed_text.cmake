# Writes a C++ source whose function FUNCTION returns the bytes of INPUT, so
# that a script or style sheet can stay a file of its own in the tree.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cc -DFUNCTION=name -DHEADER=dir/x.h
#        -DCLOSING=</tag -P embed_text.cmake
# CLOSING is the end tag of the element the text goes into, which it must
# not hold (in any letter case).
file(READ "${INPUT}" text)
string(TOLOWER "${text}" lower)
string(FIND "${lower}" "${CLOSING}" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds ${CLOSING}, which would end its element on the page")
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes a line.
string(REPEAT "[0-9a-f]" 32 line)
string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT} by cmake/embed_text.cmake; edit that file instead.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace haravoija {\nnamespace {\n"
  "constexpr char kBytes[${size} + 1] = {\n${bytes}0};\n"
  "}  // namespace\n\n"
  "std::string_view ${FUNCTION}() { return {kBytes, ${size}}; }\n\n"
  "}  // namespace haravoija\n")
