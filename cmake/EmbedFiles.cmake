# Script mode: writes OUT, a C++ file holding the files named in LIST as byte
# arrays with their paths relative to ROOT, behind cf_embedded_resources().
file(READ ${LIST} FILES)
set(body "")
set(table "")
set(i 0)
foreach(f IN LISTS FILES)
  file(RELATIVE_PATH rel ${ROOT} ${f})
  file(READ ${f} hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "static const unsigned char r${i}[] = {${bytes}0};\n")
  string(APPEND table "  {\"${rel}\", r${i}, ${size}},\n")
  math(EXPR i "${i} + 1")
endforeach()
file(WRITE ${OUT}.tmp "// Generated at build time from resources/; do not edit.
#include <cstddef>
struct CfEmbeddedResource { const char* name; const unsigned char* data; std::size_t size; };
${body}
static const CfEmbeddedResource table[] = {
${table}  {nullptr, nullptr, 0}
};
extern \"C\" const CfEmbeddedResource* cf_embedded_resources() { return table; }
")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
