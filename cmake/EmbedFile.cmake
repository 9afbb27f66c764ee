# Writes a C++ source that holds a file's bytes as an array:
#   cmake -DINPUT=file -DOUTPUT=source.cpp -DSYMBOL=kName -DHEADER=dir/Name.h -P EmbedFile.cmake
# defines `const unsigned char kName[]` and `const std::size_t kNameSize` in namespace tesvar.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line keeps the generated file readable in a diff.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT} by EmbedFile.cmake; do not edit.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace tesvar {\n\n"
    "const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
    "const std::size_t ${SYMBOL}Size = ${size};\n\n"
    "}  // namespace tesvar\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
