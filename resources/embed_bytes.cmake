# Writes OUTPUT, a C++ file that holds the bytes of INPUT as kBannerPng.
file(READ ${INPUT} hex HEX)
file(SIZE ${INPUT} size)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n"
  "#include \"resources/banner_png.h\"\n"
  "const unsigned char kBannerPng[] = {\n${bytes}\n};\n"
  "const std::size_t kBannerPngSize = ${size};\n")
