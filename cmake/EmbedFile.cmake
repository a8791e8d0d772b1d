# Writes OUTPUT, a C++ source holding the bytes of INPUT as the embedded
# resource NAME (looked up by plat::LoadEmbeddedResource).
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; do not edit.\n#include <cstddef>\nnamespace plat {\nnamespace embedded {\nextern const unsigned char k${NAME}[] = {\n${bytes}0x00};\nextern const size_t k${NAME}Size = ${size};\n}  // namespace embedded\n}  // namespace plat\n")
