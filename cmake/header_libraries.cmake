# CLI11 and nlohmann-json are header-only under /usr/include. A folder of links to just their
# headers keeps the rest of /usr/include (Linux C headers) out of the Windows build; both targets
# use it, so the two builds see the same headers.
set(KV_HEADER_LIBRARY_INCLUDE ${CMAKE_BINARY_DIR}/header_libraries)
file(MAKE_DIRECTORY ${KV_HEADER_LIBRARY_INCLUDE})
file(CREATE_LINK /usr/include/CLI ${KV_HEADER_LIBRARY_INCLUDE}/CLI SYMBOLIC)
file(CREATE_LINK /usr/include/nlohmann ${KV_HEADER_LIBRARY_INCLUDE}/nlohmann SYMBOLIC)
add_library(kv_header_libraries INTERFACE)
target_include_directories(kv_header_libraries SYSTEM INTERFACE ${KV_HEADER_LIBRARY_INCLUDE})
